#!/usr/bin/env bash
# Builds the Debian package travik_<version>_<arch>.deb: installs what is
# missing, builds the programs in release mode with Debian's hardening flags
# (in build-package/, or the directory given), and prints the package's path.
#   sudo apt install ./build-package/package/travik_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
dir=${1:-build-package}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  # CMake takes these from the environment on the first configure only.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
  export CXXFLAGS LDFLAGS
fi
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTRAVIK_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
rm -f "$dir"/package/travik_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/package/travik_*.deb
