#!/usr/bin/env bash
# run_headless_test.sh SOURCE_DIR BUILD_DIR: `bash scripts/run.sh` without a display ends by itself,
# prints the results of the frozen-goods store as a table, and leaves the one-page report and a
# picture of the whole window in the build folder; a missing project ends it with a message.
set -euo pipefail
source_dir=$1 build_dir=$2
report=$build_dir/zeltar-sample-report.pdf
picture=$build_dir/zeltar-window.png
readonly window_size="1024 750" # the main window's fixed size in pixels
rm -f "$report" "$picture"

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY ZELTAR_SKIP_SETUP=1 ZELTAR_BUILD_DIR="$build_dir" \
        bash "$source_dir/scripts/run.sh" "$@"
}
failed() {
    echo "run_headless: $*" >&2
    exit 1
}

output=$(run) || failed "scripts/run.sh ended with status $?"
for line in 'Город +Москва' 'Тип камеры +хранение мороженых грузов' 'длина,м +24' 'ТЕПЛОПРИТОКИ' \
            'Q1 +13,05 кВт' 'Q12 +0,83 кВт' 'Q2 +19,81 кВт' 'Q3 +0 +кВт' 'Q4 +20,92 кВт' 'Q5 +0 +кВт' \
            'Q сум\. +54,62 кВт' 'Q об\. +72,1 +кВт'; do
    grep -qxE "$line" <<< "$output" || failed "no line '$line' in the output:"$'\n'"$output"
done
# The kilowatts of the table stand in one column (lengths counted in characters: one byte each in
# Windows-1251).
[ "$(grep -E 'кВт$' <<< "$output" | iconv -f UTF-8 -t CP1251 | awk '{ print length($0) }' | sort -u | wc -l)" = 1 ] ||
    failed "the kW column is not aligned:"$'\n'"$output"
grep -qF "$report" <<< "$output" || failed "the output does not say where the report is"
grep -qF "$picture" <<< "$output" || failed "the output does not say where the picture is"

pdfinfo "$report" | grep -qxE 'Pages: +1' || failed "$report is not a one-page PDF"
# Width and height from the PNG header (IHDR), big-endian at bytes 16 to 23.
size=$(od -An -tu1 -j16 -N8 "$picture" |
       awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4), ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }')
[ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || failed "$picture is no PNG"
[ "$size" = "$window_size" ] || failed "$picture is $size pixels, not the window's $window_size"

if message=$(run "$build_dir/no-such-project.zlt" 2>&1); then
    failed "a missing project file did not fail"
fi
grep -qF "no-such-project.zlt" <<< "$message" || failed "the message does not name the missing file: $message"
