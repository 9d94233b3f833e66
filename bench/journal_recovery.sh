#!/usr/bin/env bash
# Kills kestrel-cli halfway through a shift of COUNT files (at the rename that
# moves the middle file, through the fault library the tests use), then times
# `kestrel-cli --recover` finishing the run from its journal and prints its
# memory; with ROLLBACK=1 a second set is killed the same way and taken back
# with --recover=rollback. Every recovery is checked: each file must stand under
# one name of the run (all new, or all old), none under a temporary name, and
# the journal must be gone.
# The goals are printed beside the figures; missing one does not fail the script.
#
# Usage: bench/journal_recovery.sh BUILD_DIR [COUNT]   (COUNT default 3000000)
#   BENCH_DIR=folder  where the files are made (default: inside the build folder)
# Also times the floor: a C loop of the renames that were left, one rename(2)
# each. Needs cc, /usr/bin/time (package time) and python3.
set -euo pipefail
build=$(realpath "${1:?build folder}")
count=${2:-3000000}
cli="$build/cli/kestrel-cli"
fault="$build/tests/libkestrel_fault_injection.so"
[ -x "$cli" ] || { echo "kestrel-cli not built in $build" >&2; exit 1; }
[ -f "$fault" ] || { echo "the fault library is not built in $build (target kestrel_fault_injection)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

work=$(realpath "$(mktemp -d "${BENCH_DIR:-$build}/kestrel-journal-recovery-XXXXXX")")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
dir="$work/d"
width=${#count}
[ "$width" -lt 6 ] && width=6
shift_args=(--defaults --set RenumStr1=f --set NumberWidth="$width" --set NumberStart=2 --dir "$dir"
  --filter '*.txt' --numeric --execute)
failures=0

make_files() {
  rm -rf "$dir" && mkdir -p "$dir"
  python3 - "$dir" "$count" "$width" <<'PY'
import os, sys
d, n, w = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
fd = os.open(d, os.O_RDONLY)
for i in range(1, n + 1):
    os.close(os.open("f%0*d.txt" % (w, i), os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644, dir_fd=fd))
os.close(fd)
PY
}

# Kills the shift at the rename that would move the middle file; the journal
# is then left with half the steps done.
kill_halfway() {
  # In a shell of its own (not replaced by the program: the "|| true"),
  # which keeps the "Killed" report to itself.
  (KESTREL_FAULT_CALL=rename KESTREL_FAULT_AT=$((count / 2)) KESTREL_FAULT_MODE=kill \
    LD_PRELOAD="$fault" "$cli" "${shift_args[@]}" || true) >/dev/null 2>&1
  ls "$XDG_STATE_HOME"/Kestrel/*.journal >/dev/null 2>&1 || { echo "no journal was left" >&2; exit 1; }
}

# Prints OK when every file is under a name of the run shifted by `expected`
# (1: finished, 0: taken back) and no journal is left, else FAILED and why.
check() {
  python3 - "$dir" "$XDG_STATE_HOME/Kestrel" "$count" "$1" <<'PY'
import os, sys
d, state, n, expected = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
names = os.listdir(d)
wanted = {"f%0*d.txt" % (max(6, len(str(n))), i + expected) for i in range(1, n + 1)}
faults = []
if set(names) != wanted:
    faults.append("%d names not where they should be" % len(set(names) ^ wanted))
if any(j.endswith(".journal") for j in os.listdir(state)):
    faults.append("journal left")
print("FAILED: " + "; ".join(faults) if faults else "OK")
PY
}

recover() {
  local how=$1 expected=$2
  make_files
  kill_halfway
  local steps
  steps=$(($(wc -l <"$(ls "$XDG_STATE_HOME"/Kestrel/*.journal | head -1)") - 1))
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$cli" "$how" >/dev/null 2>"$work/err" || true
  read -r wall user sys kb <"$work/time"
  local result
  result=$(check "$expected")
  [[ $result == OK ]] || failures=$((failures + 1))
  awk -v how="$how" -v steps="$steps" -v wall="$wall" -v cpu="$(awk "BEGIN{print $user + $sys}")" \
    -v kb="$kb" -v result="$result" \
    'BEGIN{printf "%-22s %9d steps %7.2f s wall %7.2f s cpu %7.0f MB peak   %s\n", how, steps, wall, cpu, kb/1024, result}'

}

# The floor: the renames a recovery that finishes has to make, one rename(2)
# each, on a set brought to the same state (the first half of the shift made).
cat >"$work/floor.c" <<'C'
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static void Move(long from, long to, int width)
{
    char a[64], b[64];
    snprintf(a, sizeof a, "f%0*ld.txt", width, from);
    snprintf(b, sizeof b, "f%0*ld.txt", width, to);
    if (rename(a, b) != 0) {
        perror(a);
        exit(1);
    }
}

int main(int argc, char **argv)
{
    if (argc != 4 || chdir(argv[1]) != 0)
        return 2;
    const long count = strtol(argv[2], NULL, 10);
    const int width = atoi(argv[3]);
    long i = count;
    for (; i > count - count / 2 + 1; --i)
        Move(i, i + 1, width);
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (; i >= 1; --i)
        Move(i, i + 1, width);
    clock_gettime(CLOCK_MONOTONIC, &end);
    printf("%.2f\n", (double)(end.tv_sec - start.tv_sec) + (double)(end.tv_nsec - start.tv_nsec) / 1e9);
    return 0;
}
C
cc -O2 -o "$work/floor" "$work/floor.c"

echo "kestrel-cli journal recovery: $count files, killed halfway ($(stat -f -c %T "$work"))"
make_files
printf '%-22s %9d renames %6.2f s wall\n' "floor (C rename loop)" $((count - count / 2 + 1)) "$("$work/floor" "$dir" "$count" "$width")"
echo "goal for 3,000,000 steps: <= 15 s and <= 300 MB"
recover --recover 1
if [ "${ROLLBACK:-0}" = 1 ]; then
  recover --recover=rollback 0
fi
exit $((failures > 0))
