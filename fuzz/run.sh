#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for the given number of seconds.
# New inputs go to <build>/fuzz-corpus, findings to <build>/fuzz-findings;
# the seeds in fuzz/corpus stay as they are. Exits 1 at the first finding.
# usage: fuzz/run.sh <fuzz build folder> <seconds> [harness...]
set -euo pipefail
build=$(realpath "$1")
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")" && pwd)
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  harnesses=(store_file names_file format_string wildcard set_value journal)
fi
for name in "${harnesses[@]}"; do
  corpus="$build/fuzz-corpus/$name"
  findings="$build/fuzz-findings/$name"
  mkdir -p "$corpus" "$findings"
  echo "== $name: $seconds s"
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" "$source_dir/corpus/$name" 2>"$build/fuzz-$name.log"; then
    tail -n 40 "$build/fuzz-$name.log" >&2
    echo "== $name: finding in $findings" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done ' "$build/fuzz-$name.log" || true
done
