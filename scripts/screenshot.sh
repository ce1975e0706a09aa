#!/usr/bin/env bash
# Remakes docs/screenshot.png: the calculator under Xvfb, cropped to its outline.
# Usage: scripts/screenshot.sh [build folder] [page tab to press: Material|Geometry|Bending|Buckling|Disclaimer]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
page="${2:-Geometry}"
zolk="$build/app/zolk"
[[ -x "$zolk" ]] || { echo "build $zolk first" >&2; exit 1; }

zolk_pid=""
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -wr -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $zolk_pid $xvfb_pid 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$displayfile")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$zolk" &
zolk_pid=$!
for _ in $(seq 100); do xdotool search --name '^Kalvero$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
# Tab centres in screen coordinates (the window starts at 0,0).
declare -A tabs=([Material]=284 [Geometry]=359 [Bending]=434 [Buckling]=509 [Disclaimer]=584)
xdotool mousemove "${tabs[$page]}" 167 click 1
sleep 0.5
mkdir -p docs
import -window root -crop 540x855+227+120 +repage "docs/screenshot.png"
echo "wrote docs/screenshot.png"
