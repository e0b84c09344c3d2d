#!/usr/bin/env bash
# Installs everything ZELTAR needs to build, run and test on Debian 12, from Debian's archive.
set -euo pipefail
packages=(
    build-essential cmake ninja-build            # toolchain
    qt6-base-dev qt6-translations-l10n           # Qt 6 Widgets, PrintSupport, Test; Russian dialogs
    fonts-liberation2 fonts-dejavu-core          # Cyrillic fonts, metric-compatible Arial
    libgtest-dev libgmock-dev libbenchmark-dev   # tests and benchmarks
    clang libclang-rt-14-dev                     # libFuzzer for the project-file fuzz target
    clang-format                                 # the code style of .clang-format
    poppler-utils                                # PDF checks of the report
    locales                                      # locale sources: tests build ru_RU.UTF-8 themselves
    xvfb xauth xdotool                           # a display for machines without one; the crash test
    strace                                       # the save flushes before it renames (test)
    librsvg2-bin                                 # renders the PNG icons from the SVG
    appstream desktop-file-utils man-db groff-base  # validate the metadata and the manuals
    dpkg-dev lintian                             # build and check the Debian package
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
