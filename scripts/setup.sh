#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools is missing.
# Usage: scripts/setup.sh [run|test]   ("test" adds the packages the tests need)
set -euo pipefail

purpose="${1:-run}"
packages=(g++ cmake make qt6-base-dev fonts-liberation)
if [[ "$purpose" == test ]]; then
    packages+=(libgtest-dev libbenchmark-dev xvfb xdotool imagemagick x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
