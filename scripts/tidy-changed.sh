#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over the program's source files
# that changed since a base revision: TIDY_BASE, by default the commit before
# HEAD. With --all it runs over every one of them instead, JOBS at a time.
# usage: tidy-changed.sh <build directory with compile_commands.json> [--all]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
folders=(platform model engine exec app cli ui)
# The compile commands carry GCC's warning flags, which clang does not all know,
# and with WERROR=ON -Werror, which would turn clang's own warnings into errors
# here: the compiler's warnings are the build's business, the checks are ours.
extra_args=(-Wno-unknown-warning-option -Wno-error)

if [ "${2:-}" = --all ]; then
  # run-clang-tidy picks the files from the compile commands by a pattern on
  # their absolute paths; the tests, benchmarks and generated files stay out.
  root=$(pwd -P | sed 's/[][\.*^$+?(){}|]/\\&/g')
  pattern="^$root/($(IFS='|'; echo "${folders[*]}"))/.*\\.cpp\$"
  echo "tidy: every program source"
  run-clang-tidy -p "$build" -j "${JOBS:-$(nproc)}" -quiet "${extra_args[@]/#/-extra-arg=}" "$pattern"
  exit
fi

base=${TIDY_BASE:-HEAD~1}
git rev-parse --verify -q "$base^{commit}" > /dev/null || base=$(git rev-list --max-parents=0 HEAD)
mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$base" -- "${folders[@]/%//*.cpp}")
if [ ${#files[@]} -eq 0 ]; then
  echo "tidy: no program source changed since $base"
  exit 0
fi
echo "tidy: ${#files[@]} file(s) changed since $base"
clang-tidy -p "$build" --quiet "${extra_args[@]/#/--extra-arg=}" "${files[@]}"
