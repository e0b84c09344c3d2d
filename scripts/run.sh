#!/usr/bin/env bash
# Installs the dependencies, builds ZELTAR and starts it. With a display the window opens, with the
# project file given as argument. Without one (no DISPLAY and no WAYLAND_DISPLAY) it shows what the
# program makes of a project — the shipped frozen-goods store, or the file given — and ends: the
# results as a table, the one-page report as a PDF and a picture of the window, both in the build
# folder.
# ZELTAR_SKIP_SETUP=1 skips installing and building (the build is there already); ZELTAR_BUILD_DIR
# names the build folder (default build).
set -euo pipefail
# Files named on the command line are found from where the script was started.
arguments=()
for argument in "$@"; do
    if [ -e "$argument" ]; then argument=$(realpath -- "$argument"); fi
    arguments+=("$argument")
done
cd "$(dirname "$0")/.."
build=$(realpath -m -- "${ZELTAR_BUILD_DIR:-build}")
if [ "${ZELTAR_SKIP_SETUP:-0}" != 1 ]; then
    bash scripts/install-deps.sh
    bash scripts/build.sh
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/src/window/zeltar" "${arguments[@]}"
fi

fail() {
    echo "run.sh: $*" >&2
    exit 1
}
project=${arguments[0]:-samples/frozen-goods-store.zlt}
report=$build/zeltar-sample-report.pdf
picture=$build/zeltar-window.png
[ -f "$project" ] || fail "there is no project file '$project'"

echo "No display here: ZELTAR calculates $project and shows the results as the window would."
echo
"$build/cli/zeltar-cli" overview "$project" || fail "the project '$project' could not be calculated"
echo
"$build/cli/zeltar-cli" report "$project" "$report" || fail "the report could not be written to $report"
echo "The calculation report (one A4 page):   $report"
"$build/src/window/zeltar" --screenshot "$picture" "$project" || fail "the window could not be drawn into $picture"
echo "The window with this project (picture): $picture"
echo
echo "On a desktop, 'bash scripts/run.sh [FILE.zlt]' opens the window."
