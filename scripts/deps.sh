#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any of them is missing. Runs as root on a Debian machine.
set -euo pipefail
pkgs=(build-essential cmake ninja-build pkg-config libgtest-dev
      qt6-base-dev libqt6serialport6-dev libgl1-mesa-dev
      fonts-noto-cjk xvfb xauth)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
