#!/usr/bin/env bash
# Installs what is missing, builds, and starts the tool. Arguments go to the
# program, e.g. scripts/run.sh --simulate KDB
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target travik
exec build/travik "$@"
