#!/usr/bin/env bash
# Starts the real program under Xvfb and checks its shape, colours, dragging and exit code.
# Usage: window_e2e_test.sh path/to/zolk
set -uo pipefail
zolk="$1"
work=$(mktemp -d)
xvfb_pid=""
zolk_pid=""
cleanup() {
    [[ -n "$zolk_pid" ]] && kill "$zolk_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() { # description, then a command that must succeed
    local what="$1"
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failed=$((failed + 1))
    fi
}

# -wr: a white root, so that the black margin cannot be mistaken for the background.
# -displayfd: the server picks a free display and tells us which.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -wr -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$zolk" >"$work/zolk.log" 2>&1 &
zolk_pid=$!
wid=""
for _ in $(seq 300); do
    wid=$(xdotool search --name '^Kalvero$' 2>/dev/null | head -1)
    [[ -n "$wid" ]] && break
    sleep 0.1
done
check "the window appears" test -n "$wid"
[[ -z "$wid" ]] && { cat "$work/zolk.log"; echo "$passed passed, $failed failed"; exit 1; }
sleep 1

shape=$(xwininfo -id "$wid" -shape | sed -n 's/.*[Ww]indow shape extents: *\([-+x0-9]*\).*/\1/p' | head -1)
echo "shape: $shape"
window_shape_is_outline() { [[ "$shape" == "530x845+232+125" ]]; }
check "the window's shape is the outline" window_shape_is_outline

pixel() { # x y: "r,g,b" of the screen
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
check "outside the outline: the screen's background" test "$(pixel 100 100)" = "255,255,255"
check "the cut corner is outside" test "$(pixel 232 125)" = "255,255,255"
check "the margin is black" test "$(pixel 240 500)" = "0,0,0"
check "the page is dark grey" test "$(pixel 300 900)" = "107,107,107"
check "the shown tab is gray" test "$(pixel 252 166)" = "128,128,128"
check "a hidden tab is silver" test "$(pixel 327 166)" = "192,192,192"
import -window root "$work/screen.png" 2>/dev/null

position() { xdotool getwindowgeometry "$wid" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }
read -r x0 y0 < <(position)
# Many small steps: each motion arrives while the window may still be on its way.
steps=()
for i in $(seq 10); do steps+=(mousemove $((240 + 5 * i)) $((500 + 4 * i)) sleep 0.01); done
xdotool mousemove 240 500 mousedown 3 "${steps[@]}" mouseup 3
sleep 0.5
read -r x1 y1 < <(position)
echo "window moved from $x0,$y0 to $x1,$y1"
moved_by_drag() { [[ $((x1 - x0)) -eq 50 && $((y1 - y0)) -eq 40 ]]; }
check "a right-button drag on the margin moves the window" moved_by_drag

xdotool mousemove $((x1 + 740)) $((y1 + 147)) click 1
code=""
for _ in $(seq 50); do
    if ! kill -0 "$zolk_pid" 2>/dev/null; then
        wait "$zolk_pid"
        code=$?
        zolk_pid=""
        break
    fi
    sleep 0.1
done
check "a left click on the exit image ends the program with 0" test "$code" = "0"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
