#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Usage: run-mutant.sh NAME
# Makes mutant NAME of mutants.tsv: copies the project in HELLO_SOURCE_DIR into
# folder NAME, breaks the mutant's file there with its sed script, builds the
# copy with the mutant's preset, and passes when the mutant's check ran and
# one of its own cases failed against it, printing that failure. A check that
# could not run (its set-up failed, it was skipped, a tool was missing) has
# not judged the mutant, and neither has one that failed without a failing case.
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 NAME" >&2; exit 2; }
# HELLO_MUTANTS names another table (the runner's own check uses one).
IFS=$'\t' read -r name preset check file edit cases < <(grep -m 1 "^$1"$'\t' "${HELLO_MUTANTS:-$(dirname "$0")/mutants.tsv}") ||
  { echo "no mutant named $1 in mutants.tsv" >&2; exit 2; }
cmake=${CMAKE_COMMAND:-cmake} ctest=${CTEST_COMMAND:-ctest}
copy=$PWD/$name
not_judged() { echo "mutant $name: not judged: $*"; exit 1; }

rm -rf "$copy"
# shellcheck source=../common.bash
source "$(dirname "$0")/../common.bash"
copy_project "$copy" || exit 2
sed -i -e "$edit" "$copy/$file" || exit 2
cmp -s "$HELLO_SOURCE_DIR/$file" "$copy/$file" && not_judged "the edit no longer applies to $file"
cd "$copy" || exit 2
# The copy's checks use the tools npm installed for the project's own.
options=()
[ -z "${HELLO_NODE_MODULES:-}" ] || options+=(-D "HELLO_NODE_MODULES=$HELLO_NODE_MODULES")
# Wine's Windows system, made once by the project's own build of the preset,
# rather than again in every copy (seconds each).
[ ! -d "$HELLO_SOURCE_DIR/build/$preset/wine" ] || options+=(-D "HELLO_WINEPREFIX=$HELLO_SOURCE_DIR/build/$preset/wine")
# Of a bats check, only the cases that judge the mutant.
[ -z "${cases:-}" ] || options+=(-D "HELLO_CASES=$check=$cases")
# A configure or lint check works on the sources alone: the copy is only configured.
build=(--build --preset "$preset")
case $check in configure.* | lint.*) build=(-E true) ;; esac
if ! "$cmake" --preset "$preset" "${options[@]}" >configure.log 2>&1 || ! "$cmake" "${build[@]}" >build.log 2>&1; then
  cat configure.log build.log 2>/dev/null | tail -n 20
  not_judged "the copy did not build"
fi
# The check's number; -R also lists the checks that set up its fixtures.
number=$("$ctest" --test-dir "build/$preset" -N -R "^${check//./\\.}\$" | awk -v check="$check" '$NF == check { sub(/.*#/, "", $2); sub(/:/, "", $2); print $2 }')
[ -n "$number" ] || not_judged "no check named $check"
# -V prefixes each line a test prints with its number.
"$ctest" --test-dir "build/$preset" -V -R "^${check//./\\.}\$" >check.log 2>&1
verdict=$(grep -E "^ *[0-9]+/[0-9]+ Test +#$number: " check.log)
case $verdict in
  *' Passed '*) cat check.log; echo "mutant $name: $check passed against it"; exit 1 ;;
  *'***Failed '*) ;;
  *) cat check.log; not_judged "$check did not run to its end: ${verdict:-no result}" ;;
esac
# A failing case: a bats case, the benchmark's verdict, or a lint finding.
seen=$(grep -m 1 -E "^$number: (not ok|bench: |finding: )" check.log) ||
  { cat check.log; not_judged "$check failed without a failing case"; }
echo "mutant $name: caught by $check: ${seen:0:200}"
