#!/usr/bin/env bash
# Installs the dependencies, builds ZELTAR and starts it. Arguments go to the program (a project
# file to open). On a machine without a display the window runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/src/app/zeltar ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: starting under xvfb-run (the window is not visible)." >&2
        exec xvfb-run -a -s '-screen 0 1280x900x24' build/src/app/zeltar "$@"
    fi
    exec build/src/app/zeltar "$@"
fi
exec build/cli/zeltar-cli calc "${1:-samples/frozen-goods-store.zlt}"
