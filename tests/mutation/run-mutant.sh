#!/usr/bin/env bash
# Usage: run-mutant.sh NAME
# Makes mutant NAME of mutants.tsv: copies the project in HELLO_SOURCE_DIR into
# folder NAME, breaks the mutant's file there with its sed script, builds the
# copy with the mutant's preset, and passes when the mutant's check fails
# against it, printing the failure it saw.
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 NAME" >&2; exit 2; }
IFS=$'\t' read -r name preset check file edit < <(grep -m 1 "^$1"$'\t' "$(dirname "$0")/mutants.tsv") ||
  { echo "no mutant named $1 in mutants.tsv" >&2; exit 2; }
cmake=${CMAKE_COMMAND:-cmake} ctest=${CTEST_COMMAND:-ctest}
copy=$PWD/$name

rm -rf "$copy"
"$cmake" -D FROM="$HELLO_SOURCE_DIR" -D TO="$copy" -P "$HELLO_SOURCE_DIR/cmake/ProjectFiles.cmake" || exit 2
sed -i -e "$edit" "$copy/$file" || exit 2
if cmp -s "$HELLO_SOURCE_DIR/$file" "$copy/$file"; then
  echo "mutant $name: the edit no longer applies to $file"
  exit 1
fi
cd "$copy" || exit 2
if ! "$cmake" --preset "$preset" >configure.log 2>&1 || ! "$cmake" --build --preset "$preset" >build.log 2>&1; then
  cat configure.log build.log 2>/dev/null | tail -n 20
  echo "mutant $name: the copy did not build, so $check could not judge it"
  exit 1
fi
"$ctest" --test-dir "build/$preset" --no-tests=error --output-on-failure -R "^${check//./\\.}\$" >check.log 2>&1
case $? in
  0) cat check.log; echo "mutant $name: $check passed against it"; exit 1 ;;
  *) if grep -q 'No tests were found' check.log; then echo "mutant $name: no check named $check"; exit 1; fi ;;
esac
# Caught only by a failing case of the check, not by a check that could not run.
if ! seen=$(grep -m 1 -E '^not ok|^bench: ' check.log); then
  cat check.log
  echo "mutant $name: $check failed without a failing case, so it did not judge the mutant"
  exit 1
fi
echo "mutant $name: caught by $check: ${seen:0:200}"
