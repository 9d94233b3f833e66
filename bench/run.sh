#!/usr/bin/env bash
# Runs every benchmark program of a build folder and prints its figures.
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2 2>&1
done
for s in "$(dirname "$0")"/*.sh; do
  [ "$(basename "$s")" = run.sh ] && continue
  echo "== $(basename "$s")"
  "$s" "$build"
done
