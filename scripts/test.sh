#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in two builds, both
# with compiler warnings as errors:
# - build/ (gcc, with the GUI): the GoogleTests and scenarios, the install and
#   package checks, and the stories on the real kernel HID path in a VM;
# - build-fuzz/ (clang, AddressSanitizer and UBSan): the same tests again,
#   sanitized, then every fuzz harness for a few seconds. One sanitizer tree
#   serves both, so the sources are compiled twice, not three times.
# The VM runs on one core, mostly waiting or emulating; the work after it starts
# runs beside it at a lower priority, so the guest keeps its pace and the
# other core is not left idle.
#
#   TRAVIK_SKIP_SANITIZE=1  no sanitized tests     TRAVIK_SKIP_FUZZ=1  no fuzzing
#   TRAVIK_FUZZ_SECONDS=N   seconds per harness (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
started=$(date +%s)
stage() { echo "test.sh: $1 after $(($(date +%s) - started)) s"; }
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAVIK_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
stage "normal build"

# The real kernel HID path: virtual transmitters on uhid in a small QEMU guest.
vm_pid=""
vm_log=build/vm-test.log
if ! command -v qemu-system-x86_64 >/dev/null; then
  echo "vm-test: SKIPPED: qemu-system-x86_64 is not installed (scripts/deps.sh installs it)"
elif [ "$(uname -s)" != Linux ] || [ ! -x build/travik-uhid ]; then
  echo "vm-test: SKIPPED: travik-uhid is built on Linux only"
else
  # Its own process group, so that an early exit takes QEMU along.
  setsid scripts/vm-test.sh >"$vm_log" 2>&1 &
  vm_pid=$!
fi
finish_vm() {
  [ -n "$vm_pid" ] || return 0
  local status=0
  wait "$vm_pid" || status=$?
  vm_pid=""
  cat "$vm_log"
  case $status in
    0) ;;
    2) echo "vm-test: SKIPPED: the guest could not be prepared (see above)" ;;
    *) exit 1 ;;
  esac
  stage "vm-test"
}
trap '[ -z "$vm_pid" ] || kill -- "-$vm_pid" 2>/dev/null || true' EXIT

nice -n 10 ctest --test-dir build --output-on-failure -j "$jobs"
scripts/check_install.sh build
# The counts of the fault matrix and the soak (ctest keeps passing tests quiet).
grep -h '^\[ fault matrix \]\|^\[ soak \]' build/Testing/Temporary/LastTest.log || true
stage "normal tests"

sanitize=1 fuzz=1
[ "${TRAVIK_SKIP_SANITIZE:-0}" = "1" ] && sanitize=0
[ "${TRAVIK_SKIP_FUZZ:-0}" = "1" ] && fuzz=0
if [ $sanitize = 1 ] || [ $fuzz = 1 ]; then
  # -O1 with line tables: ASan's own advice, stack traces keep file and line,
  # and it compiles faster than -O2 -g. The tests and hidapi are named since a
  # tree that scripts/fuzz.sh made alone has neither.
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DTRAVIK_FUZZ=ON -DTRAVIK_WITH_QT=OFF -DTRAVIK_WITH_HIDAPI=ON -DTRAVIK_TESTS=ON \
    -DTRAVIK_WERROR=ON >/dev/null
fi
if [ $sanitize = 1 ]; then
  nice -n 10 cmake --build build-fuzz -j "$jobs"
  stage "sanitizer build"
  finish_vm
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
  grep -h '^\[ fault matrix \]\|^\[ soak \]' build-fuzz/Testing/Temporary/LastTest.log || true
  stage "sanitized tests"
fi
finish_vm
# Every fuzz harness for a few seconds; a finding fails the run.
if [ $fuzz = 1 ]; then
  scripts/fuzz.sh "${TRAVIK_FUZZ_SECONDS:-5}"
  stage "fuzzing"
fi
