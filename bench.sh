#!/usr/bin/env bash
# Builds Release and prints one table of medians: the core and window keystrokes, the page
# switch, start-up to the first painted frame and peak memory against a bare Qt program.
# Usage: ./bench.sh [start-up runs per program, default 15]
set -euo pipefail
cd "$(dirname "$0")"
runs="${1:-15}"

scripts/setup.sh bench

build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZOLK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target zolk zolk_core_bench zolk_window_bench \
    zolk_bare_window zolk_first_frame_probe zolk_memory_growth >/dev/null
out=$(mktemp -d)
export XDG_RUNTIME_DIR="$out/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$out"; [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null || true' EXIT

repeat="--benchmark_repetitions=10 --benchmark_report_aggregates_only=true --benchmark_format=json"
"$build/bench/zolk_core_bench" $repeat >"$out/core.json" 2>/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/window/zolk_window_bench" $repeat >"$out/window.json" 2>/dev/null

"$build/bench/window/zolk_memory_growth" >"$out/growth.txt" 2>/dev/null

Xvfb -displayfd 3 -screen 0 1600x1200x24 -wr -nolisten tcp 3>"$out/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$out/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$out/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Alternate the two programs so that both see the same machine.
probe="$build/bench/window/zolk_first_frame_probe"
bare="$build/bench/window/zolk_bare_window"
for _ in $(seq "$runs"); do
    "$probe" 240 500 "$build/app/zolk" >>"$out/zolk.txt"
    "$probe" 50 50 "$bare" >>"$out/bare.txt"
    "$probe" 100 100 "$bare" large >>"$out/large.txt"
    "$probe" 100 100 "$bare" text >>"$out/text.txt"
done

python3 - "$out" <<'PY'
import json, statistics, sys
out = sys.argv[1]
def medians(name):
    data = json.load(open(f"{out}/{name}.json"))
    return [(b["run_name"], b["real_time"], b["time_unit"]) for b in data["benchmarks"]
            if b.get("aggregate_name") == "median"]
def us(t, unit):
    return t / {"ns": 1000.0, "us": 1.0, "ms": 0.001}[unit]
rows = []
for name, t, unit in medians("core"):
    goal = 2.0 if name.startswith("SectionKeystroke") else None
    rows.append(("core " + name, f"{us(t, unit):.3f} µs", goal and f"≤ {goal} µs", goal and f"{us(t, unit) / goal:.2f} of goal"))
for name, t, unit in medians("window"):
    goal = 100.0 if "Key" in name else None
    rows.append(("window " + name, f"{us(t, unit):.1f} µs", goal and f"≤ {goal:.0f} µs", goal and f"{us(t, unit) / goal:.2f} of goal"))
def load(name):
    pairs = [line.split() for line in open(f"{out}/{name}.txt") if line.strip()]
    return [float(p[0]) for p in pairs], [float(p[1]) for p in pairs]
zt, zm = load("zolk")
for name, caption in [("bare", "bare Qt"), ("large", "bare Qt at 1600x1200"), ("text", "bare Qt at 1600x1200 with one label")]:
    bt, bm = load(name)
    goal = name == "bare"
    mz, mb = statistics.median(zt), statistics.median(bt)
    rows.append((f"start-up to first frame, zolk / {caption} ({len(zt)} runs)", f"{mz:.1f} / {mb:.1f} ms", "ratio ≤ 1.3" if goal else "", f"ratio {mz / mb:.2f}"))
    mz, mb = statistics.median(zm), statistics.median(bm)
    rows.append((f"peak resident memory, zolk / {caption}", f"{mz / 1024:.1f} / {mb / 1024:.1f} MiB", "ratio ≤ 1.2" if goal else "", f"ratio {mz / mb:.2f}"))
samples = [int(l.split()[-2]) for l in open(f"{out}/growth.txt") if l.startswith("after")]
rows.append(("resident memory after 1,000 and 10,000 random events", f"{samples[0] / 1024:.1f} / {samples[-1] / 1024:.1f} MiB", "flat", f"growth {samples[-1] - samples[0]} KiB"))
w = max(len(r[0]) for r in rows)
print(f"{'figure (median)':<{w}}  {'value':>22}  {'goal':>12}  result")
for r in rows:
    print(f"{r[0]:<{w}}  {r[1]:>22}  {(r[2] or ''):>12}  {r[3] or ''}")
PY
