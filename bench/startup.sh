#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Measures what one run of each HELLO costs beside the floor (a static C
# program that writes the greeting once, linked as hello is), coreutils' true
# and echo; README.md here says what and how. Builds nothing of hello's.
#   [BENCH_RUNS=1000] [BENCH_WARMUP=50] bench/startup.sh [OPTIONS] HELLO...
# Options make each bound a verdict, an "ok" or "not ok" line (status 1 when one fails):
#   --fewer-than-true                fewer instructions and system calls than true
#   --max-time-ratio R               median wall time at most R times the floor's
#   --max-page-faults-over-floor N   at most N page faults a run over the floor's
set -euo pipefail

fewer_than_true=false max_time_ratio='' max_faults_over_floor=''
while [ $# -gt 0 ]; do
  case $1 in
    --fewer-than-true) fewer_than_true=true; shift ;;
    --max-time-ratio) max_time_ratio=$2; shift 2 ;;
    --max-page-faults-over-floor) max_faults_over_floor=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--fewer-than-true] [--max-time-ratio R] [--max-page-faults-over-floor N] HELLO..." >&2; exit 2; }
runs=${BENCH_RUNS:-1000} warmup=${BENCH_WARMUP:-50}
for tool in valgrind strace hyperfine bc cc; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is needed (apt-get install $tool)" >&2; exit 2; }
done
for program in "$@"; do
  [ -x "$program" ] || { echo "bench: $program is not a built program; build it first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '#include <unistd.h>\nint main(void) { return write(1, "Hello World!\\n", 13) != 13; }\n' >"$work/floor.c"
# Linked as hello is, the libraries grouped as -static groups them; else -static.
floor_label="floor: static C, one write(2)"
cc -O2 -no-pie -static-libgcc -Wl,-static -Wl,--no-dynamic-linker "$work/floor.c" -o "$work/floor" \
  -Wl,--start-group -lgcc -lgcc_eh -lc -Wl,--end-group 2>/dev/null ||
  { floor_label+=", -static" && cc -O2 -static "$work/floor.c" -o "$work/floor"; } &&
  cc -O2 "$(dirname "$0")/page-faults.c" -o "$work/page-faults" ||
  { echo "bench: cc cannot build the floor and the page-fault counter (static C library: libc6-dev)" >&2; exit 2; }

instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { print $NF }'
}
system_calls() {
  strace -f -c -o "$work/strace" "$@" >/dev/null
  awk '$NF == "total" { print $4 }' "$work/strace"
}

# Rows: each HELLO, then the floor, true and echo; one command line each.
# Each runs from a fresh copy: how a file came into the page cache (written
# by a linker, read back after eviction) changes how many pages one fault
# maps, by up to five a run, so only files that came there alike compare.
labels=("$@" "$floor_label" "coreutils true" "coreutils echo")
programs=("$@" "$work/floor" /usr/bin/true /usr/bin/echo)
commands=()
for i in "${!programs[@]}"; do
  mkdir "$work/$i" && cp "${programs[$i]}" "$work/$i/" || exit 2
  commands+=("$(printf '%q' "$work/$i/${programs[$i]##*/}")")
done
commands[-1]+=" 'Hello World!'"
floor_row=$# true_row=$(($# + 1))
hyperfine --shell=none --warmup "$warmup" --runs "$runs" --style none \
  --export-csv "$work/times.csv" "${commands[@]}" >/dev/null 2>"$work/hyperfine.log" ||
  { cat "$work/hyperfine.log" >&2; exit 1; }
mapfile -t median_us < <(awk -F, 'NR > 1 { printf "%.0f\n", $4 * 1e6 }' "$work/times.csv")

command=() count_instructions=() count_calls=() count_faults=()
for i in "${!commands[@]}"; do
  eval "command=(${commands[$i]})"
  count_instructions[i]=$(instructions "${command[@]}")
  count_calls[i]=$(system_calls "${command[@]}")
  count_faults[i]=$("$work/page-faults" "$runs" "${command[@]}")
done

ratio() { bc -l <<<"$1 / $2"; }
printf '| program | instructions | x true | system calls | page faults | median wall time | x floor | size (bytes) |\n'
printf '|---|---:|---:|---:|---:|---:|---:|---:|\n'
for i in "${!commands[@]}"; do
  eval "command=(${commands[$i]})"
  printf '| %s | %s | %.2f | %s | %s | %s us | %.2f | %s |\n' "${labels[$i]}" "${count_instructions[$i]}" \
    "$(ratio "${count_instructions[$i]}" "${count_instructions[$true_row]}")" "${count_calls[$i]}" \
    "${count_faults[$i]}" "${median_us[$i]}" "$(ratio "${median_us[$i]}" "${median_us[$floor_row]}")" \
    "$(stat -c %s "${command[0]}")"
done
printf '\nWall time: median of %s runs each after %s warm-up runs; page faults: median of %s runs.\n' \
  "$runs" "$warmup" "$runs"
printf 'Instructions and system calls: one run.\n'

# The verdict: one TAP line a bound and program, apart from the set-up's
# "bench:" errors above.
number=0 failed=0
bound() {
  number=$((number + 1))
  if "${@:2}"; then echo "ok $number $1"; else echo "not ok $number $1"; failed=1; fi
}
for ((i = 0; i < floor_row; i++)); do
  if $fewer_than_true; then
    bound "${labels[$i]} starts with fewer instructions than true" \
      [ "${count_instructions[$i]}" -lt "${count_instructions[$true_row]}" ]
    bound "${labels[$i]} starts with fewer system calls than true" [ "${count_calls[$i]}" -lt "${count_calls[$true_row]}" ]
  fi
  [ -z "$max_time_ratio" ] || bound "${labels[$i]} takes at most $max_time_ratio times the floor's median wall time" \
    [ "$(bc -l <<<"${median_us[$i]} <= $max_time_ratio * ${median_us[$floor_row]}")" = 1 ]
  [ -z "$max_faults_over_floor" ] || bound "${labels[$i]} takes at most $max_faults_over_floor page faults a run over the floor's" \
    [ "${count_faults[$i]}" -le $((count_faults[floor_row] + max_faults_over_floor)) ]
done
exit "$failed"
