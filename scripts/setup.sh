#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev googletest libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-svg-dev libgl1-mesa-dev
  clang clang-format clang-tidy
  xvfb xauth imagemagick
  dpkg-dev desktop-file-utils appstream groff-base
  lintian debootstrap xdg-utils libglib2.0-bin shared-mime-info
  librsvg2-bin openbox xdotool  # redrawing the icons and the screenshot
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
