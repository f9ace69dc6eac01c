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
