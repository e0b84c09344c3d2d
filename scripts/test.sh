#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test (GUI tests headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DZELTAR_BUILD_FUZZERS=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
