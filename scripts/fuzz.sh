#!/usr/bin/env bash
# make fuzz: runs every fuzz target of the host build for QEB_FUZZ_RUNS
# executions (default 10 million), adding new inputs to its corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${QEB_FUZZ_RUNS:-10000000}
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
for src in "$root"/tests/fuzz/*.cpp; do
  [ -e "$src" ] || continue
  name=$(basename "$src" .cpp)
  corpus="$root/tests/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name: $runs executions"
  "$root/build/host/tests/fuzz/$name" -runs="$runs" -max_len=4096 \
      -artifact_prefix="$corpus/crash-" "$corpus" 2>&1 | tail -n 3
done
