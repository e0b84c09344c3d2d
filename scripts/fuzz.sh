#!/usr/bin/env bash
# Fuzzes a file reader with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh [SECONDS] [project|own|object]   (default 300 seconds, the project file reader)
# Builds build-fuzz/ with clang, then runs over a copy of the target's corpus (fuzz/corpus and the
# reference projects for project files, fuzz/own-project-corpus and the samples for own project
# files, fuzz/object-corpus for object files) in build-fuzz/corpus-work, own-project-corpus-work or
# object-corpus-work, kept between runs. FUZZ_JOBS=N runs N
# jobs at once. A crashing input is left in build-fuzz/artifacts/; keep it in the corpus as a
# regression once its cause is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
reader="${2:-project}"
jobs="${FUZZ_JOBS:-1}"

case "$reader" in
project) target=project_file_fuzz; corpus=fuzz/corpus; work=build-fuzz/corpus-work; dict=fuzz/project_file.dict;;
own) target=own_project_file_fuzz; corpus=fuzz/own-project-corpus; work=build-fuzz/own-project-corpus-work; dict=fuzz/own_project_file.dict;;
object) target=object_file_fuzz; corpus=fuzz/object-corpus; work=build-fuzz/object-corpus-work; dict=fuzz/object_file.dict;;
*) echo "usage: scripts/fuzz.sh [SECONDS] [project|own|object]" >&2; exit 2;;
esac

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
    -DZELTAR_BUILD_GUI=OFF -DZELTAR_BUILD_TESTS=OFF -DZELTAR_BUILD_BENCHMARKS=OFF \
    -DZELTAR_BUILD_FUZZERS=ON -DZELTAR_LIBFUZZER=ON
cmake --build build-fuzz --target "$target" -j2

mkdir -p "$work" build-fuzz/artifacts
cp -n "$corpus"/* "$work"/ 2>/dev/null || true
if [ "$reader" = project ]; then
    for f in tests/data/reference-projects/*.zlt; do
        cp -n "$f" "$work/reference-$(basename "$f")"
    done
fi
if [ "$reader" = own ]; then
    for f in samples/*.zlp; do
        cp -n "$f" "$work/sample-$(basename "$f")"
    done
fi

# Several jobs write their logs (fuzz-N.log) into the working directory: run inside build-fuzz/.
parallel=()
if [ "$jobs" -gt 1 ]; then
    parallel=(-jobs="$jobs" -workers="$jobs")
fi
dict="$PWD/$dict"
work="${work#build-fuzz/}"
cd build-fuzz
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
exec "fuzz/$target" "$work" \
    -max_total_time="$seconds" -max_len=16384 -timeout=10 "${parallel[@]}" \
    -dict="$dict" -artifact_prefix=artifacts/ -print_final_stats=1
