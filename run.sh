#!/usr/bin/env bash
# Installs what is missing, builds Release and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh run

build=build-release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZOLK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target zolk
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "zolk: no display found (set DISPLAY or WAYLAND_DISPLAY)" >&2
    exit 1
fi
exec "$build/app/zolk" "$@"
