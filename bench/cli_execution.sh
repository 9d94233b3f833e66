#!/usr/bin/env bash
# Renames COUNT empty files of one folder three ways with kestrel-cli --execute and
# its peers, each on a fresh set of files, and prints wall-clock and processor time
# beside a plain C loop of one rename(2) per file (the floor):
#   shift     f000001.txt ... -> the number + 1: every new name but the last is the
#             old name of another file of the set, so the order of the moves matters
#   rotation  every file takes the next one's name, the last the first's (a cycle)
#   plain     f000001.txt ... -> g000001.txt ..., all new names free
# Every run is checked: each file (by its inode) must end up under its new name and
# nothing else may be left in the folder; a run that did not is shown as FAILED.
# It also prints kestrel-cli's memory (for the shift and its undo) and, with strace,
# its system calls per file.
# The goals are printed beside the figures; missing one does not fail the script.
#
# Usage: bench/cli_execution.sh BUILD_DIR [COUNT]   (COUNT default 100000, at most 999998)
#   BENCH_DIR=folder  where the files are made (default: a fresh folder inside the
#                     build folder); every contender works in the same folder, so all
#                     of them run on one file system.
# Needs cc, /usr/bin/time (package time); uses rename, mmv and strace when installed.
# shellcheck disable=SC2016 # the peers' command lines are expanded by the inner bash
set -euo pipefail
build=${1:?build folder}
count=${2:-100000}
strace_count=5000
cli="$(realpath "$build")/cli/kestrel-cli"
[ -x "$cli" ] || { echo "kestrel-cli not built in $build" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 1; }
command -v cc >/dev/null || { echo "cc is missing" >&2; exit 1; }
if ! [[ $count =~ ^[0-9]+$ ]] || [ "$count" -lt 2 ] || [ "$count" -gt 999998 ]; then
  echo "COUNT must be a number from 2 to 999998" >&2
  exit 1
fi

work=$(realpath "$(mktemp -d "${BENCH_DIR:-$(realpath "$build")}/kestrel-cli-execution-XXXXXX")")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
dir="$work/d"
failures=0

# The floor, and the maker of the file sets: names relative to the folder, nothing
# but the one rename(2) each file needs.
cat >"$work/floor.c" <<'EOF'
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static const char *Name(char *buf, char prefix, long n)
{
    snprintf(buf, 32, "%c%06ld.txt", prefix, n);
    return buf;
}

static void Move(const char *from, const char *to)
{
    if (rename(from, to) != 0) {
        fprintf(stderr, "%s -> %s: %s\n", from, to, strerror(errno));
        exit(1);
    }
}

int main(int argc, char **argv)
{
    if (argc != 4 || chdir(argv[2]) != 0) {
        fprintf(stderr, "usage: floor make|shift|rotate|plain FOLDER COUNT\n");
        return 2;
    }
    const char *job = argv[1];
    const long count = strtol(argv[3], NULL, 10);
    char a[32], b[32];
    if (strcmp(job, "make") == 0) {
        for (long i = 1; i <= count; ++i) {
            const int fd = open(Name(a, 'f', i), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd < 0 || close(fd) != 0) {
                perror(a);
                return 1;
            }
        }
    } else if (strcmp(job, "shift") == 0) {
        // From the highest number down, so every new name is free when it is taken.
        for (long i = count; i >= 1; --i)
            Move(Name(a, 'f', i), Name(b, 'f', i + 1));
    } else if (strcmp(job, "rotate") == 0) {
        // The last file steps aside, the others move up, and it takes the first name.
        Move(Name(a, 'f', count), "f-cycle.tmp");
        for (long i = count - 1; i >= 1; --i)
            Move(Name(a, 'f', i), Name(b, 'f', i + 1));
        Move("f-cycle.tmp", Name(b, 'f', 1));
    } else if (strcmp(job, "plain") == 0) {
        for (long i = 1; i <= count; ++i)
            Move(Name(a, 'f', i), Name(b, 'g', i));
    } else {
        fprintf(stderr, "unknown job %s\n", job);
        return 2;
    }
    return 0;
}
EOF
cc -O2 -o "$work/floor" "$work/floor.c"

# Line i is the new name of row i: the next file's name, the first name for the last.
awk -v n="$count" 'BEGIN { for (i = 2; i <= n; i++) printf "f%06d.txt\n", i; print "f000001.txt" }' \
  >"$work/rotation.list"

# The peers, run by name through bash -c so that /usr/bin/time can time a pipeline.
# Names travel NUL-separated; none is ever parsed by a shell.
rename_shift() { # highest number first; rename refuses to overwrite a file
  cd "$1" && find . -maxdepth 1 -name 'f*.txt' -printf '%f\0' | LC_ALL=C sort -rz |
    rename -0 's/(\d+)/sprintf("%06d", $1 + 1)/e'
}
rename_rotation() { # highest first, the last file aside first and back at the end
  cd "$1" && { find . -maxdepth 1 -name 'f*.txt' -printf '%f\0' | LC_ALL=C sort -rz && printf 'f-cycle.tmp\0'; } |
    rename -0 'our $last //= $_;
      if ($_ eq "f-cycle.tmp") { $_ = "f000001.txt" }
      elsif ($_ eq $last) { $_ = "f-cycle.tmp" }
      else { s/(\d+)/sprintf("%06d", $1 + 1)/e }'
}
rename_plain() {
  cd "$1" && find . -maxdepth 1 -name 'f*.txt' -printf '%f\0' | rename -0 's/^f/g/'
}
mmv_plain() {
  cd "$1" && mmv 'f*.txt' 'g#1.txt'
}
export -f rename_shift rename_rotation rename_plain mmv_plain
# Only the Perl rename takes an expression; util-linux has a rename of its own.
perl_rename=false
rename -V 2>/dev/null | grep -q 'File::Rename' && perl_rename=true

# kestrel-cli for each job, on the files of the folder in number order.
kestrel_shift=("$cli" --defaults --set RenameMode=0 --set RenumStr1=f --set NumberWidth=6
  --set NumberStart=2 --dir "$dir" --filter '*.txt' --numeric --overwrite=never --execute)
kestrel_rotation=("$cli" --defaults --set RenameMode=7 --set "InputFile=$work/rotation.list"
  --dir "$dir" --filter '*.txt' --numeric --overwrite=never --execute)
kestrel_plain=("$cli" --defaults --set RenameMode=0 --set RenumStr1=g --set NumberWidth=6
  --dir "$dir" --filter '*.txt' --numeric --overwrite=never --execute)

# A fresh folder of N files f000001.txt ..., its contents (inode and name) noted, and
# flushed to disk so the creation's write-back does not fall into the timed run.
make_set() { # N
  rm -rf "$dir"
  mkdir "$dir"
  "$work/floor" make "$dir" "$1"
  find "$dir" -mindepth 1 -printf '%i %f\n' >"$work/before"
  sync -f "$dir"
}

# Empty when the folder holds exactly the expected names, each on the inode that had
# the old name; otherwise what is wrong.
check_set() { # JOB N
  local job=$1 n=$2 present last spot
  present=$(find "$dir" -mindepth 1 | wc -l)
  [ "$present" -eq "$n" ] || { echo "$present of $n files in the folder"; return; }
  last=$(printf 'f%06d.txt' "$n")
  case $job in
  shift) spot=(f000002.txt "$(printf 'f%06d.txt' $((n / 2 + 1)))" "$(printf 'f%06d.txt' $((n + 1)))" -f000001.txt) ;;
  rotation) spot=(f000001.txt f000002.txt "$last" -f-cycle.tmp) ;;
  plain) spot=(g000001.txt "$(printf 'g%06d.txt' "$n")" -f000001.txt -"$last") ;;
  esac
  for s in "${spot[@]}"; do
    if [[ $s == -* ]]; then
      [ ! -e "$dir/${s#-}" ] || { echo "${s#-} is still there"; return; }
    else
      [ -e "$dir/$s" ] || { echo "$s is missing"; return; }
    fi
  done
  local wrong
  wrong=$(awk -v job="$job" -v n="$n" '
    { k = substr($2, 2, 6) + 0
      if (job == "shift") to = sprintf("f%06d.txt", k + 1)
      else if (job == "rotation") to = sprintf("f%06d.txt", k == n ? 1 : k + 1)
      else to = "g" substr($2, 2)
      print $1, to }' "$work/before" | LC_ALL=C sort >"$work/expected"
    find "$dir" -mindepth 1 -printf '%i %f\n' | LC_ALL=C sort | LC_ALL=C comm -3 - "$work/expected" | wc -l)
  [ "$wrong" -eq 0 ] || echo "$((wrong / 2)) files not under their new name"
}

# Runs one contender on a fresh set of N files and sets wall, cpu, rss (KB) and
# problem (empty when it finished correctly).
run_one() { # JOB N COMMAND...
  local job=$1 n=$2
  shift 2
  make_set "$n"
  local rc=0
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || rc=$?
  wall=0 user=0 sys=0 rss=0
  read -r wall user sys rss < <(tail -n 1 "$work/time") || true
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
  problem=$(check_set "$job" "$n")
  if [ "$rc" -ne 0 ]; then
    problem="exit status $rc${problem:+; $problem}: $(head -c 200 "$work/stderr" | tr '\n' ' ')"
  fi
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }

declare -A result # JOB/contender -> "wall cpu rss" or FAILED
row() { # JOB LABEL COMMAND...
  local job=$1 label=$2
  shift 2
  run_one "$job" "$count" "$@"
  if [ -n "$problem" ]; then
    result[$job/$label]=FAILED
    failures=$((failures + 1))
    printf '  %-12s FAILED: %s\n' "$label" "$problem"
    return
  fi
  result[$job/$label]="$wall $cpu $rss"
  local fw=- fc=-
  if [ "${result[$job/floor]:-FAILED}" != FAILED ]; then
    read -r floor_wall floor_cpu _ <<<"${result[$job/floor]}"
    fw=$(ratio "$wall" "$floor_wall")
    fc=$(ratio "$cpu" "$floor_cpu")
  fi
  printf '  %-12s %8.2f %8.2f %11s %10s %8s\n' "$label" "$wall" "$cpu" "$fw" "$fc" \
    "$(awk -v r="$rss" 'BEGIN { printf "%.1f", r / 1024 }')"
}
skip() { printf '  %-12s skipped: %s\n' "$1" "$2"; }
header() {
  echo
  echo "$1"
  printf '  %-12s %8s %8s %11s %10s %8s\n' contender 'wall s' 'cpu s' 'wall/floor' 'cpu/floor' 'peak MB'
}

echo "kestrel-cli execution: $count empty files per run, one run each"
echo "  program  $cli ($("$cli" --version))"
echo "  folder   $work ($(stat -f -c %T "$work"))"
echo "  machine  $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "  floor    a C loop of one rename(2) per file (one more for the cycle), names relative to the folder"

header "shift: f000001.txt ... -> number + 1, each new name another file's old name"
row shift floor "$work/floor" shift "$dir" "$count"
row shift kestrel-cli "${kestrel_shift[@]}"
if $perl_rename; then
  row shift rename bash -c 'rename_shift "$1"' _ "$dir"
else skip rename "the Perl rename (File::Rename) is not installed"; fi
skip mmv "one FROM/TO wildcard pair copies the matched text and cannot add 1 to a number"

header "rotation: every file takes the next one's name, the last the first's"
row rotation floor "$work/floor" rotate "$dir" "$count"
row rotation kestrel-cli "${kestrel_rotation[@]}"
if $perl_rename; then
  row rotation rename bash -c 'rename_rotation "$1"' _ "$dir"
else skip rename "the Perl rename (File::Rename) is not installed"; fi
skip mmv "no wildcard pair expresses a rotation"

header "plain: f000001.txt ... -> g000001.txt ..., all new names free"
row plain floor "$work/floor" plain "$dir" "$count"
row plain kestrel-cli "${kestrel_plain[@]}"
if $perl_rename; then
  row plain rename bash -c 'rename_plain "$1"' _ "$dir"
else skip rename "the Perl rename (File::Rename) is not installed"; fi
if command -v mmv >/dev/null; then
  row plain mmv bash -c 'mmv_plain "$1"' _ "$dir"
else skip mmv "not installed"; fi

# Memory per file: the shift's peak minus that of --version, over the number of
# files (the names themselves included).
echo
base_rss=$(/usr/bin/time -f '%M' "$cli" --version 2>&1 >/dev/null | tail -n 1)
per_file=-
if [ "${result[shift/kestrel-cli]:-FAILED}" != FAILED ]; then
  read -r _ _ shift_rss <<<"${result[shift/kestrel-cli]}"
  per_file=$(((shift_rss - base_rss) * 1024 / count))
  echo "memory: kestrel-cli shift peak $((shift_rss / 1024)) MB, --version $((base_rss / 1024)) MB:" \
    "$per_file bytes per file"
fi

# The undo of a shift: its time and memory per file, checked by inode.
undo_per_file=-
make_set "$count"
if "${kestrel_shift[@]}" >/dev/null 2>"$work/stderr" &&
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$cli" --undo >/dev/null 2>>"$work/stderr"; then
  read -r wall user sys rss < <(tail -n 1 "$work/time")
  if LC_ALL=C comm -3 <(LC_ALL=C sort "$work/before") \
    <(find "$dir" -mindepth 1 -printf '%i %f\n' | LC_ALL=C sort) | grep -q .; then
    failures=$((failures + 1))
    echo "undo: kestrel-cli --undo FAILED: the files are not back under their old names"
  else
    undo_per_file=$(((rss - base_rss) * 1024 / count))
    echo "undo: kestrel-cli --undo of the shift $wall s wall, $(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }') s cpu," \
      "peak $((rss / 1024)) MB: $undo_per_file bytes per file"
  fi
else
  failures=$((failures + 1))
  echo "undo: the shift or its undo FAILED: $(head -c 200 "$work/stderr" | tr '\n' ' ')"
fi

# System calls of the shift, counted on a smaller set.
calls_per_file=-
if command -v strace >/dev/null; then
  run_one shift "$strace_count" strace -f -c -o "$work/strace" "${kestrel_shift[@]}"
  if [ -n "$problem" ]; then
    failures=$((failures + 1))
    echo "system calls: kestrel-cli under strace FAILED: $problem"
  else
    total=$(awk '$NF == "total" { print $4 }' "$work/strace")
    calls_per_file=$(ratio "$total" "$strace_count")
    echo "system calls: kestrel-cli shift of $strace_count files, $total calls, $calls_per_file per file; most frequent:"
    awk -v n="$strace_count" '/^-/ { body = !body; next } body && $4 ~ /^[0-9]+$/ {
        printf "  %-18s %8d  %6.2f per file%s\n", $NF, $4, $4 / n, ($5 ~ /^[0-9]+$/ ? "  (" $5 " failed)" : "") }' \
      "$work/strace" | sort -k2,2nr | head -n 8
  fi
else
  echo "system calls: strace not installed, not counted"
fi

# The goals, printed beside the figures; they do not change the exit status.
goal() { # WHAT FIGURE LIMIT (met when FIGURE <= LIMIT)
  local verdict
  verdict=$(awk -v f="$2" -v l="$3" 'BEGIN { if (f == "-" || f == "") print "-"; else print (f + 0 <= l + 0) ? "met" : "NOT MET" }')
  printf '  %-44s %10s   %s\n' "$1" "$2" "$verdict"
}
wall_of() { [ "${result[$1]:-FAILED}" != FAILED ] && echo "${result[$1]%% *}" || echo -; }
floor_ratio() { # JOB
  local k f
  k=$(wall_of "$1/kestrel-cli")
  f=$(wall_of "$1/floor")
  [ "$k" != - ] && [ "$f" != - ] && ratio "$k" "$f" || echo -
}
echo
echo "goals (times compared by wall clock; printed, not enforced)"
goal "shift: kestrel-cli / floor <= 1.15" "$(floor_ratio shift)" 1.15
if [ "$(wall_of shift/rename)" != - ] && [ "$(wall_of shift/kestrel-cli)" != - ]; then
  goal "shift: kestrel-cli / rename < 1" "$(ratio "$(wall_of shift/kestrel-cli)" "$(wall_of shift/rename)")" 0.9999
else
  goal "shift: kestrel-cli / rename < 1" - 1
fi
printf '  %-44s %10s   %s\n' "shift: faster than mmv" - "mmv cannot express the shift"
goal "rotation: kestrel-cli / floor <= 1.30" "$(floor_ratio rotation)" 1.30
goal "plain: kestrel-cli / floor <= 1.15" "$(floor_ratio plain)" 1.15
goal "shift: system calls per file <= 3" "$calls_per_file" 3
goal "shift: memory per file <= 300 bytes" "$per_file" 300
goal "undo of the shift: memory per file <= 300 bytes" "$undo_per_file" 300

if [ "$failures" -gt 0 ]; then
  echo
  echo "$failures run(s) FAILED"
  exit 1
fi
