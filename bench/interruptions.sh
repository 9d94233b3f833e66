#!/usr/bin/env bash
# Kills kestrel-cli at random moments of a shift of COUNT files and recovers,
# then runs two shifts on one folder at once; after each round every file must
# stand under one consistent name (all shifted by the same amount), none under
# a temporary name, and no journal may be left.
# Usage: bench/interruptions.sh BUILD_DIR [KILLS] [ROUNDS] [COUNT]
#   KILLS  random kills, half finished and half taken back (default 20)
#   ROUNDS rounds of two runs at once (default 20)
#   COUNT  files per round (default 20000); BENCH_DIR chooses where (default /dev/shm)
set -euo pipefail
build=${1:?build folder}
kills=${2:-20}
rounds=${3:-20}
count=${4:-20000}
cli="$(realpath "$build")/cli/kestrel-cli"
[ -x "$cli" ] || { echo "kestrel-cli not built in $build" >&2; exit 1; }
work=$(mktemp -d "${BENCH_DIR:-/dev/shm}/kestrel-interruptions-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
dir="$work/d"
shift_args=(--defaults --set RenumStr1=f --set NumberWidth=6 --set NumberStart=2 --dir "$dir" --filter '*.txt'
  --numeric --execute)

make_files() {
  rm -rf "$dir" && mkdir -p "$dir"
  python3 - "$dir" "$count" <<'EOF'
import os, sys
d, n = sys.argv[1], int(sys.argv[2])
for i in range(1, n + 1):
    with open(os.path.join(d, "f%06d.txt" % i), "w") as f:
        f.write(str(i))
EOF
}

# Prints the one shift every file shows (name number - content), or FAULT and why.
check() {
  python3 - "$dir" "$XDG_STATE_HOME/Kestrel" <<'EOF'
import os, sys
d, state = sys.argv[1], sys.argv[2]
shifts, faults = set(), []
for name in os.listdir(d):
    if not (name.startswith("f") and name.endswith(".txt")):
        faults.append("stray name " + name)
        continue
    with open(os.path.join(d, name)) as f:
        shifts.add(int(name[1:7]) - int(f.read()))
journals = [j for j in os.listdir(state) if j.endswith(".journal")] if os.path.isdir(state) else []
if journals:
    faults.append("journal left: " + journals[0])
if len(shifts) > 1:
    faults.append("mixed shifts " + str(sorted(shifts)))
print("FAULT " + "; ".join(faults[:3]) if faults else "shift " + str(shifts.pop() if shifts else 0))
EOF
}

faults=0
echo "kestrel-cli interruptions: $count files a round ($(stat -f -c %T "$work"))"
for ((k = 1; k <= kills; ++k)); do
  make_files
  "$cli" "${shift_args[@]}" >/dev/null 2>&1 &
  pid=$!
  sleep "0.$(printf %03d $((RANDOM % 300)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ((k % 2)); then how=--recover; else how=--recover=rollback; fi
  "$cli" "$how" >/dev/null 2>&1 || true
  result=$(check)
  [[ $result == FAULT* ]] && faults=$((faults + 1))
  echo "kill $k ($how): $result"
done
for ((r = 1; r <= rounds; ++r)); do
  make_files
  "$cli" "${shift_args[@]}" >/dev/null 2>&1 &
  first=$!
  "$cli" "${shift_args[@]}" >/dev/null 2>&1 || true
  wait "$first" || true
  result=$(check)
  [[ $result == FAULT* ]] && faults=$((faults + 1))
  echo "two at once $r: $result"
done
echo "faults: $faults of $((kills + rounds)) rounds"
[ "$faults" -eq 0 ]
