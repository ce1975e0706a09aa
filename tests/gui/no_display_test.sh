#!/usr/bin/env bash
# Without a display the program says so in one plain line and exits non-zero.
# Usage: no_display_test.sh path/to/zolk
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
code=$?
echo "exit code $code, said: $out"
[[ $code -ne 0 && "$out" == "zolk: no display found (set DISPLAY or WAYLAND_DISPLAY)" ]]
