#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, ASan + UBSan) and runs every harness
# for SECONDS (default 5), all at once, each from its seed corpus and with its
# dictionary. Fails when any harness finds a crash, a leak, undefined
# behaviour or a hang; the input that caused it is kept in the output folder.
#
#   scripts/fuzz.sh [SECONDS]
#   TRAVIK_FUZZ_OUT=DIR   where logs, new corpus entries and findings go
#                         (default build-fuzz/runs; seeds in the repo stay as they are)
#   TRAVIK_FUZZ_ONLY=NAME run this harness only (fuzz_intel_hex, ...)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
out=${TRAVIK_FUZZ_OUT:-build-fuzz/runs}
# A tree that is there is used as it is: scripts/test.sh builds the sanitized
# tests in it too, and changing its settings here would rebuild everything.
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTRAVIK_FUZZ=ON -DTRAVIK_WITH_QT=OFF -DTRAVIK_WITH_HIDAPI=OFF -DTRAVIK_TESTS=OFF \
    "${launcher[@]}" >/dev/null
fi
harnesses=()
for source in tests/fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  [ -n "${TRAVIK_FUZZ_ONLY:-}" ] && [ "$name" != "$TRAVIK_FUZZ_ONLY" ] && continue
  harnesses+=("$name")
done
cmake --build build-fuzz -j "$(nproc)" --target "${harnesses[@]}" | { grep -v "Built target" || true; }

mkdir -p "$out"
pids=()
for name in "${harnesses[@]}"; do
  corpus="$out/$name/corpus"
  mkdir -p "$corpus" "$out/$name/findings"
  seeds=(tests/fuzz/corpus/"$name")
  [ "$name" = fuzz_scenario ] && seeds+=(tests/scenarios tests/cli/data)
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  # The first corpus folder takes what the run finds; the seeds are only read.
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/$name" "$corpus" "${seeds[@]}" "${dict[@]}" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$out/$name/findings/" \
      >"$out/$name/log.txt" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!harnesses[@]}"; do
  name=${harnesses[$i]}
  if wait "${pids[$i]}"; then result=ok; else result=FAILED; status=1; fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$name/log.txt" | grep -o '[0-9]*$' || echo "?")
  findings=$(find "$out/$name/findings" -type f | wc -l)
  printf '%-20s %s  executions %s  findings %s\n' "$name" "$result" "$runs" "$findings"
  if [ "$result" = FAILED ]; then tail -n 40 "$out/$name/log.txt"; fi
done
exit $status
