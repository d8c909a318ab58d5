#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing ZARN need.
# Skips apt entirely when everything is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build git
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools
  libgl-dev sqlite3 libsqlite3-dev
  googletest libgtest-dev
  g++-multilib gcc-multilib
  xvfb hyperfine ccache
)

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
updated=""
install() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ -z "$updated" ]; then
    $SUDO apt-get update -qq
    updated=yes
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install "${packages[@]}"

# The plug-ins are 32-bit. Where this kernel cannot execute 32-bit programs
# ("Exec format error"), their tests and tools run through qemu-i386.
probe_dir=$(mktemp -d)
trap 'rm -rf "$probe_dir"' EXIT
echo 'int main(void) { return 0; }' >"$probe_dir/probe.c"
gcc -m32 "$probe_dir/probe.c" -o "$probe_dir/probe"
if ! "$probe_dir/probe" 2>/dev/null; then
  install qemu-user
fi
