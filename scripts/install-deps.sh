#!/usr/bin/env bash
# Installs the Debian packages Korvana needs to build, test and run, but only
# those that are missing.  Run as root or with sudo available.
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config clang-format
          qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core poppler-utils
          libgtest-dev libgmock-dev libbenchmark-dev libglpk-dev)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi
# `make deb`: Debian's own packaging tools, the package's build dependencies
# and the checker.
if [ "${1:-}" = "--package" ]; then
  packages+=(debhelper dpkg-dev lintian)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
