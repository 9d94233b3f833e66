#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over the program's source files
# that changed since a base revision: TIDY_BASE, by default the commit before
# HEAD. usage: tidy-changed.sh <build directory with compile_commands.json>
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
base=${TIDY_BASE:-HEAD~1}
git rev-parse --verify -q "$base^{commit}" > /dev/null || base=$(git rev-list --max-parents=0 HEAD)

mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$base" -- \
  'platform/*.cpp' 'model/*.cpp' 'engine/*.cpp' 'exec/*.cpp' 'app/*.cpp' 'cli/*.cpp' 'ui/*.cpp')
if [ ${#files[@]} -eq 0 ]; then
  echo "tidy: no program source changed since $base"
  exit 0
fi
echo "tidy: ${#files[@]} file(s) changed since $base"
# The compile commands carry GCC's warning flags, which clang does not all know.
clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option "${files[@]}"
