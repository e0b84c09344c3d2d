#!/usr/bin/env bash
# Builds the core libraries, zeltar-cli and their tests (no Qt window) into build-sanitize/ with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs those tests: any report a sanitizer
# makes ends the test program and fails its test. scripts/test.sh runs it after the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELTAR_SANITIZE=ON -DZELTAR_WERROR=ON \
    -DZELTAR_BUILD_GUI=OFF -DZELTAR_BUILD_BENCHMARKS=OFF -DZELTAR_BUILD_FUZZERS=ON "$@"
cmake --build build-sanitize --parallel "$(nproc)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
