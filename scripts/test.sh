#!/usr/bin/env bash
# Installs the dependencies, builds everything with warnings as errors and runs every test (GUI
# tests headless); then the core and its tests once more under the address and undefined-behaviour
# sanitizers (scripts/sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DZELTAR_BUILD_FUZZERS=ON -DZELTAR_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
bash scripts/sanitize.sh
