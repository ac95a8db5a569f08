#!/usr/bin/env bash
# Builds Crumbleford and starts it, installing any missing Debian packages
# first. Without a display the game runs on a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

if [ -z "${DISPLAY:-}" ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" "${XVFB_PACKAGES[@]}"
else
    ensure_packages "${BUILD_PACKAGES[@]}"
fi

use_ccache
configure_and_build build -DCF_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ]; then
    trap stop_xvfb EXIT
    start_xvfb 99
    export DISPLAY=$XVFB_DISPLAY
    echo "== No display: the game runs on a virtual X server, DISPLAY=${DISPLAY} (800x480)."
    echo "   Take a look with: DISPLAY=${DISPLAY} import -window root screen.png"
    echo "   Stop it with Ctrl+C."
fi
echo "== Starting ./build/crumbleford"
./build/crumbleford
