#!/usr/bin/env bash
# Fuzzes the project file reader with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh [SECONDS]   (default 300)
# Builds build-fuzz/ with clang, then runs over a copy of fuzz/corpus and the reference projects
# (build-fuzz/corpus-work, kept between runs). FUZZ_JOBS=N runs N jobs at once. A crashing input
# is left in build-fuzz/artifacts/; keep it in fuzz/corpus as a regression once its cause is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
jobs="${FUZZ_JOBS:-1}"

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
    -DZELTAR_BUILD_GUI=OFF -DZELTAR_BUILD_TESTS=OFF -DZELTAR_BUILD_BENCHMARKS=OFF \
    -DZELTAR_BUILD_FUZZERS=ON -DZELTAR_LIBFUZZER=ON
cmake --build build-fuzz --target project_file_fuzz -j2

work=build-fuzz/corpus-work
mkdir -p "$work" build-fuzz/artifacts
cp -n fuzz/corpus/* "$work"/ 2>/dev/null || true
for f in tests/data/reference-projects/*.zlt; do
    cp -n "$f" "$work/reference-$(basename "$f")"
done

# Several jobs write their logs (fuzz-N.log) into the working directory: run inside build-fuzz/.
parallel=()
if [ "$jobs" -gt 1 ]; then
    parallel=(-jobs="$jobs" -workers="$jobs")
fi
dict="$PWD/fuzz/project_file.dict"
cd build-fuzz
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
exec fuzz/project_file_fuzz corpus-work \
    -max_total_time="$seconds" -max_len=16384 -timeout=10 "${parallel[@]}" \
    -dict="$dict" -artifact_prefix=artifacts/ -print_final_stats=1
