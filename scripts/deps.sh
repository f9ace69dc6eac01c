#!/usr/bin/env bash
# Installs what the build needs on Debian, when it is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config libgtest-dev libgmock-dev qt6-base-dev qt6-charts-dev libhidapi-dev
          qt6-l10n-tools qt6-tools-dev  # lrelease and its CMake package (translations/)
          xvfb imagemagick binutils srecord
          desktop-file-utils appstream lintian man-db dpkg-dev
          clang libclang-rt-14-dev)  # clang: the fuzz harnesses (scripts/fuzz.sh)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

# scripts/vm-test.sh boots a small QEMU guest (the kernel's HID path with uhid).
if ! command -v qemu-system-x86_64 >/dev/null; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends qemu-system-x86
fi
