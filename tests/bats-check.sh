#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Usage: bats-check.sh BATS [OPTIONS] FILE
# Runs bats, passing on its output and its status, except that a passing run
# whose every case skipped, or that ran none, exits 77, which CTest reports as
# skipped: a check that judged nothing must not read as passed.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$@" | tee "$log"
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ] && ! grep '^ok ' "$log" | grep -qv ' # skip'; then
  exit 77
fi
exit "$status"
