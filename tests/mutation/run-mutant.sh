#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Usage: run-mutant.sh NAME
# Makes mutant NAME of mutants.tsv: copies the project in HELLO_SOURCE_DIR into
# folder NAME, breaks the mutant's file there with its sed script, builds the
# copy with the mutant's preset and runs the mutant's check on it. The mutant
# is caught (status 0) only when the check passes on an unbroken copy, the
# control, and fails against the mutant by a case of its own: a "not ok" line
# where the check reports numbered cases (bats, the benchmark), else its one
# command. A check that failed on the control too, could not run, skipped,
# or failed in its set-up has not judged the mutant.
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 NAME" >&2; exit 2; }
# HELLO_MUTANTS names another table (the runner's own check uses one).
IFS=$'\t' read -r name preset check file edit cases < <(grep -m 1 "^$1"$'\t' "${HELLO_MUTANTS:-$(dirname "$0")/mutants.tsv}") ||
  { echo "no mutant named $1 in mutants.tsv" >&2; exit 2; }
cmake=${CMAKE_COMMAND:-cmake} ctest=${CTEST_COMMAND:-ctest}
copy=$PWD/$name
not_judged() { echo "mutant $name: not judged: $*"; exit 1; }

# shellcheck source=../common.bash
source "$(dirname "$0")/../common.bash"
# The copy's checks use the tools npm installed for the project's own.
options=()
[ -z "${HELLO_NODE_MODULES:-}" ] || options+=(-D "HELLO_NODE_MODULES=$HELLO_NODE_MODULES")
# Wine's Windows system, made once by the project's own build of the preset,
# rather than again in every copy (seconds each).
[ ! -d "$HELLO_SOURCE_DIR/build/$preset/wine" ] || options+=(-D "HELLO_WINEPREFIX=$HELLO_SOURCE_DIR/build/$preset/wine")
# Of a bats check, only the cases that judge the mutant, in the control as in the mutant.
judging=()
[ -z "${cases:-}" ] || judging=(-D "HELLO_CASES=$check=$cases")
# A configure or lint check works on the sources alone: the copy is only configured.
build=(--build --preset "$preset")
# A container check's copy makes the image: every Linux workflow, about a minute.
case $check in configure.* | lint.*) build=(-E true) ;; container.*) build=(--build --preset container) ;; esac

# Builds copy $1 (with more configure options after it) and runs the check there into $1.check.log, the check's
# number into $1.number; writes into $1.verdict how it ended: Passed, Failed,
# or why it gave no verdict.
run_check() {
  if ! (cd "$1" && "$cmake" --preset "$preset" "${options[@]}" "${@:2}" >"$1.configure.log" 2>&1 && "$cmake" "${build[@]}" >"$1.build.log" 2>&1); then
    cat "$1.configure.log" "$1.build.log" 2>/dev/null | tail -n 20
    echo "the copy did not build" >"$1.verdict"
    return
  fi
  # -R also lists the checks that set up its fixtures; -V prefixes each line a test prints with its number.
  "$ctest" --test-dir "$1/build/$preset" -N -R "^${check//./\\.}\$" |
    awk -v check="$check" '$NF == check { sub(/.*#/, "", $2); sub(/:/, "", $2); print $2 }' >"$1.number"
  [ -s "$1.number" ] || { echo "no check named $check" >"$1.verdict"; return; }
  "$ctest" --test-dir "$1/build/$preset" -V -R "^${check//./\\.}\$" >"$1.check.log" 2>&1
  local line
  line=$(grep -E "^ *[0-9]+/[0-9]+ Test +#$(cat "$1.number"): " "$1.check.log")
  case $line in
    *' Passed '*) echo Passed ;;
    *'***Failed '*) echo Failed ;;
    *) echo "$check gave no verdict: ${line:-no result}" ;;
  esac >"$1.verdict"
}

rm -rf "$copy" && copy_project "$copy" || exit 2
# The control runs once per ctest run (this script's parent, by its start
# time), sources, check, preset and judging cases: mutants judged alike wait for it.
stamp=$(cd "$copy" && { echo "$PPID $(cut -d ' ' -f 22 "/proc/$PPID/stat" 2>/dev/null)"
  find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha1sum; } | sha1sum)
sed -i -e "$edit" "$copy/$file" || exit 2
cmp -s "$HELLO_SOURCE_DIR/$file" "$copy/$file" && not_judged "the edit no longer applies to $file"
control=$(dirname "$PWD")/mutation-controls/$check.$preset.$(sha1sum <<<"$cases" | cut -c 1-8)
mkdir -p "${control%/*}" && exec 9>"$control.lock" && flock 9 || exit 2
if [ "$(cat "$control.stamp" 2>/dev/null)" != "$stamp" ]; then
  # Without the lock's descriptor, which a lingering child (wineserver) would hold.
  rm -rf "$control" "$control".{verdict,number,check.log} && copy_project "$control" && run_check "$control" "${judging[@]}" 9>&- && echo "$stamp" >"$control.stamp"
fi
control_verdict=$(cat "$control.verdict")
numbered_cases=$(grep -cE "^$(cat "$control.number" 2>/dev/null): (not )?ok [0-9]+" "$control.check.log" 2>/dev/null)
exec 9>&-
[ "$control_verdict" = Passed ] || not_judged "$check does not pass on an unbroken copy ($control): $control_verdict"

run_check "$copy" "${judging[@]}"
case $(cat "$copy.verdict") in
  Passed) cat "$copy.check.log"; echo "mutant $name: $check passed against it"; exit 1 ;;
  Failed) ;;
  *) cat "$copy.check.log"; not_judged "$(cat "$copy.verdict")" ;;
esac
number=$(cat "$copy.number")
if [ "$numbered_cases" -gt 0 ]; then
  seen=$(grep -m 1 -E "^$number: not ok [0-9]+" "$copy.check.log") ||
    { cat "$copy.check.log"; not_judged "$check failed without a failing case"; }
else
  seen="its command failed: $(grep -m 1 -E "Test +#$number: " "$copy.check.log")"
fi
echo "mutant $name: caught by $check: ${seen:0:200}"
