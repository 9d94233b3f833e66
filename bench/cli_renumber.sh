#!/usr/bin/env bash
# Renumbers 100,000 files of one directory in one run with kestrel-cli, with the
# Perl rename and with mmv, and prints the time each takes.
# Usage: bench/cli_renumber.sh BUILD_DIR [COUNT]   (BENCH_DIR=folder to work in, default $TMPDIR)
set -euo pipefail
build=${1:?build folder}
count=${2:-100000}
cli="$build/cli/kestrel-cli"
[ -x "$cli" ] || { echo "kestrel-cli not built in $build" >&2; exit 1; }

work=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/tmp}}/kestrel-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"

# photo_000001.dat ... photo_NNNNNN.dat, all in one directory.
make_files() {
  rm -rf "$work/d"
  mkdir "$work/d"
  (cd "$work/d" && seq -f 'photo_%06g.dat' 1 "$count" | xargs touch)
}

# Checks that the run left exactly img000001.dat ... in place of the photos.
check() {
  local n
  n=$(find "$work/d" -name 'img*.dat' | wc -l)
  [ "$n" -eq "$count" ] && [ -e "$work/d/img000001.dat" ] && [ -e "$work/d/$(printf 'img%06d.dat' "$count")" ] ||
    { echo "$1 did not renumber every file ($n of $count)" >&2; exit 1; }
}

# Prints wall-clock and processor time (user + system) of one run. On a busy
# machine the processor time is the steadier figure.
timed() {
  local name=$1; shift
  make_files
  local figures
  figures=$( { TIMEFORMAT='%R %U %S'; time "$@" >/dev/null; } 2>&1 )
  check "$name"
  echo "$figures" | awk -v n="$name" '{ printf "%-12s wall %7.2f s   cpu %7.2f s\n", n, $1, $2 + $3 }'
}

echo "renumbering $count files"
# In name order, numbered from 1 with six digits.
timed kestrel-cli "$cli" --execute --defaults --set RenumStr1=img --set NumberWidth=6 --dir "$work/d"
# The same numbering with a counter, the names in the shell's (sorted) order.
timed rename bash -c 'cd "$1" && find . -maxdepth 1 -name "photo_*" -printf "%f\0" | sort -z |
  rename -0 '"'"'our $n; s/.*/sprintf("img%06d.dat", ++$n)/e'"'" _ "$work/d"
# mmv cannot count; the same result taken from the number in the old name.
timed mmv bash -c 'cd "$1" && mmv "photo_*.dat" "img#1.dat"' _ "$work/d"
