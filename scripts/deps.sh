#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any of them is missing. Runs as root on a Debian machine. Every name
# is a real package, never a virtual one another package provides (dpkg
# never reports a virtual package installed), so once all are in place a run
# installs nothing and needs no package registry.
set -euo pipefail
pkgs=(build-essential cmake ninja-build pkg-config libgtest-dev
      qt6-base-dev qt6-base-private-dev qt6-serialport-dev libgl1-mesa-dev
      fonts-noto-cjk xvfb xauth openbox)
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
