#!/usr/bin/env bash
# zeltar_command_line_test.sh ZELTAR DATA_DIR VERSION: the program's command line without a display:
# --help and --version answer and end, a wrong command line ends with status 2, and a --screenshot
# run that cannot load its project or write its picture ends with status 1 and says why, leaving
# no picture; nor does it write its picture over its project.
set -euo pipefail
zeltar=$1 data=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset DISPLAY WAYLAND_DISPLAY

failed() {
    echo "zeltar_command_line: $*" >&2
    exit 1
}
# expect STATUS TEXT ARGUMENTS...: the run ends with STATUS and its output holds TEXT.
expect() {
    local status=$1 text=$2
    shift 2
    local output actual=0
    output=$("$zeltar" "$@" 2>&1) || actual=$?
    [ "$actual" = "$status" ] || failed "zeltar $* ended with $actual, not $status: $output"
    grep -qF -- "$text" <<< "$output" || failed "zeltar $* did not say '$text': $output"
}

expect 0 "--screenshot <file>" --help
expect 0 "zeltar $version" --version
expect 2 "Unknown option 'no-such-option'" --no-such-option
expect 2 "one project file at most" a.zlt b.zlt
expect 1 "$scratch/missing.zlt" --screenshot "$scratch/missing.png" "$scratch/missing.zlt"
[ ! -e "$scratch/missing.png" ] || failed "a picture was left for a project that did not load"
expect 1 "cannot write the picture" --screenshot "$scratch/no-folder/window.png" "$data/reference-projects/p0003.zlt"
cp "$data/reference-projects/p0003.zlt" "$scratch/p.zlt"
ln -s p.zlt "$scratch/p-link.png"
expect 1 "это тот же файл" --screenshot "$scratch/p-link.png" "$scratch/p.zlt"
cmp -s "$data/reference-projects/p0003.zlt" "$scratch/p.zlt" || failed "the screenshot replaced its project"
expect 0 "" -platform offscreen --screenshot "$scratch/window.png" "$data/reference-projects/p0003.zlt"
[ -s "$scratch/window.png" ] || failed "no picture of the window"
