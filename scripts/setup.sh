#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools is missing.
# Usage: scripts/setup.sh [run|test|bench|fuzz]
#   test: adds what the tests need; bench: that and what ./bench.sh needs; fuzz: clang.
set -euo pipefail

purpose="${1:-run}"
packages=(g++ cmake make qt6-base-dev fonts-liberation)
case "$purpose" in
test | bench)
    packages+=(libgtest-dev libbenchmark-dev xvfb xdotool imagemagick x11-utils locales)
    [[ "$purpose" == bench ]] && packages+=(libx11-dev python3)
    ;;
fuzz) packages+=(clang libclang-rt-14-dev libgtest-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

sudo=()
if [[ $(id -u) -ne 0 ]] && command -v sudo >/dev/null; then
    sudo=(sudo)
fi

if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    if [[ $(id -u) -ne 0 && ${#sudo[@]} -eq 0 ]]; then
        echo "need root or sudo to install ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-reading tests run once under a locale whose decimal separator is ','.
if [[ "$purpose" == test || "$purpose" == bench ]] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the de_DE.UTF-8 locale"
    "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
        echo "could not generate de_DE.UTF-8; the locale test will be skipped" >&2
fi
