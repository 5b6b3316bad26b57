#!/usr/bin/env bash
# Measures what one run of hello costs beside coreutils' true and echo:
# instructions (callgrind, repeatable), system calls (strace), median wall
# time (hyperfine, all commands in one comparison) and file size.
# Builds nothing: pass the programs to measure.
#
#   bench/startup.sh [HELLO...]        default: build/hello
#   BENCH_RUNS=2000 bench/startup.sh   more timed runs (default 1000)
set -euo pipefail

[ $# -gt 0 ] || set -- build/hello
runs=${BENCH_RUNS:-1000}
for tool in valgrind strace hyperfine bc; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is needed (apt-get install $tool)" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One row a program: its label, then its command line, words separated by tabs.
rows=()
for program in "$@"; do
  [ -x "$program" ] || { echo "bench: $program is not a built program; build it first" >&2; exit 2; }
  rows+=("$program"$'\t'"$program")
done
rows+=("coreutils true"$'\t'/usr/bin/true "coreutils echo"$'\t'/usr/bin/echo$'\t'"Hello World!")

instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { print $NF }'
}

system_calls() {
  strace -f -c -o "$work/strace" "$@" >/dev/null
  awk '$NF == "total" { print $4 }' "$work/strace"
}

# Times every row in one hyperfine run, so that all share the machine's state.
timed=()
for row in "${rows[@]}"; do
  IFS=$'\t' read -ra command <<<"$row"
  timed+=("$(printf '%q ' "${command[@]:1}")")
done
hyperfine --shell=none --warmup 50 --runs "$runs" --style none \
  --export-csv "$work/times.csv" "${timed[@]}" >/dev/null 2>"$work/hyperfine.log" ||
  { cat "$work/hyperfine.log" >&2; exit 1; }
mapfile -t medians < <(awk -F, 'NR > 1 { printf "%.0f\n", $4 * 1e6 }' "$work/times.csv")

true_row=$#
true_instructions=$(instructions /usr/bin/true)
printf '| program | instructions | x true | system calls | median wall time | x true | size (bytes) |\n'
printf '|---|---:|---:|---:|---:|---:|---:|\n'
for i in "${!rows[@]}"; do
  IFS=$'\t' read -ra command <<<"${rows[$i]}"
  count=$(instructions "${command[@]:1}")
  printf '| %s | %s | %.2f | %s | %s us | %.2f | %s |\n' "${command[0]}" "$count" \
    "$(bc -l <<<"$count / $true_instructions")" "$(system_calls "${command[@]:1}")" \
    "${medians[$i]}" "$(bc -l <<<"${medians[$i]} / ${medians[$true_row]}")" \
    "$(stat -c %s "${command[1]}")"
done
printf '\nWall time: median of %s runs each after 50 warm-up runs. Instructions and system calls: one run.\n' "$runs"
