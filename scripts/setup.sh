#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing ZARN need.
# Skips apt entirely when everything is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build git
  qt6-base-dev qt6-charts-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools
  libgl-dev sqlite3 libsqlite3-dev
  googletest libgtest-dev
  g++-multilib gcc-multilib
  xvfb hyperfine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
