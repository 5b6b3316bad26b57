#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Usage: check.sh ENVIRONMENT COMMAND [ARGUMENT...]
# Runs one check, as CTest starts every check, in its own folder (the current
# one), which is also its TMPDIR and HOME. ENVIRONMENT is the file of the
# build's facts (NAME='VALUE' lines) that the check reads; an argument that
# begins with $NAME begins with that variable's value instead. Paths travel
# this way rather than in CMake lists, which a '[' in a path would garble.
# Passes on the command's output and status, except that a passing bats run
# (TAP: a "1..N" plan) whose every case skipped, or that ran none, exits 77,
# which CTest reports as skipped: a check that judged nothing has not passed.
set -a
# shellcheck disable=SC1090 # written by the build
source "$1" || exit 2
set +a
shift
export TMPDIR=$PWD/tmp HOME=$PWD/home
mkdir -p "$TMPDIR" "$HOME" || exit 2
command=()
for argument; do
  if [[ $argument =~ ^\$([A-Z_]+)(.*)$ ]]; then argument=${!BASH_REMATCH[1]}${BASH_REMATCH[2]}; fi
  command+=("$argument")
done
log=$TMPDIR/check.log
"${command[@]}" | tee "$log"
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ] && grep -qx '1\.\.[0-9]*' "$log" && ! grep '^ok ' "$log" | grep -qv ' # skip'; then
  exit 77
fi
exit "$status"
