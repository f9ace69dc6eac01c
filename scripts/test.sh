#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as a normal
# build and once under AddressSanitizer and UBSan, then runs the fuzz harnesses briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
scripts/check_install.sh build
# The counts of the fault matrix and the soak (ctest keeps passing tests quiet).
grep -h '^\[ fault matrix \]\|^\[ soak \]' build/Testing/Temporary/LastTest.log || true
# The real kernel HID path: virtual transmitters on uhid in a small QEMU guest.
vm_status=0
if ! command -v qemu-system-x86_64 >/dev/null; then
  echo "vm-test: SKIPPED: qemu-system-x86_64 is not installed (scripts/deps.sh installs it)"
elif [ "$(uname -s)" != Linux ] || [ ! -x build/travik-uhid ]; then
  echo "vm-test: SKIPPED: travik-uhid is built on Linux only"
else
  scripts/vm-test.sh || vm_status=$?
  case $vm_status in
    0) ;;
    2) echo "vm-test: SKIPPED: the guest could not be prepared (see above)" ;;
    *) exit 1 ;;
  esac
fi
if [ "${TRAVIK_SKIP_SANITIZE:-0}" != "1" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTRAVIK_SANITIZE=ON -DTRAVIK_WITH_QT=OFF >/dev/null
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
  grep -h '^\[ fault matrix \]\|^\[ soak \]' build-asan/Testing/Temporary/LastTest.log || true
fi
# Every fuzz harness for a few seconds; a finding fails the run.
if [ "${TRAVIK_SKIP_FUZZ:-0}" != "1" ]; then
  scripts/fuzz.sh "${TRAVIK_FUZZ_SECONDS:-5}"
fi
