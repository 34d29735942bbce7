#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages. Run as root.
set -euo pipefail
packages=(
    cmake ninja-build g++ clang pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libfuzzer-14-dev
    libsdl1.2-dev libsdl-image1.2-dev
    libfreetype-dev fonts-dejavu-core libpng-dev
    librsvg2-dev libcairo2-dev
    xvfb xdotool
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
