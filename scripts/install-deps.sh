#!/usr/bin/env bash
# Installs every Debian 12 package the build, the program and the tests need,
# asking apt only for what is missing.
set -euo pipefail
packages=(
  cmake make g++ pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libqt6sql6-sqlite libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fontconfig fonts-dejavu-core fonts-liberation fonts-noto-core fonts-noto-cjk fonts-comic-neue
  xvfb xauth imagemagick xdotool
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
