#!/usr/bin/env bash
# Rotation of 100,000 empty file names: the execution engine against a bare
# loop of one rename(2) per file (and one for the cycle's temporary name).
# Usage: bench/exec_rename.sh <build folder>
# Prints both times and their ratio; the engine should stay within 1.3x.
set -euo pipefail
build=${1:?build folder}
program="$(realpath "$build")/bench/bench_exec_rename"
[ -x "$program" ] || { echo "missing $program (build with -DKESTREL_BUILD_BENCH=ON)" >&2; exit 1; }
work=$(mktemp -d "$(realpath "$build")/bench-exec-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_STATE_HOME="$work/state"
"$program" --benchmark_format=csv 2>/dev/null | awk -F, '
  /^"?Engine/   { engine = $3 }
  /^"?BareLoop/ { bare = $3 }
  END {
    printf "engine   %8.1f ms\nbare     %8.1f ms\nratio    %8.2f (goal <= 1.30)\n", engine, bare, engine / bare
    exit (engine / bare <= 1.3) ? 0 : 1
  }'
