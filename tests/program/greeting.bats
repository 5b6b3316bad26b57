#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The greeting itself: exact bytes, whatever the arguments.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "writes exactly the greeting and exits 0" {
  run_hello
  assert_greeted
}

@test "arguments of every kind are ignored" {
  run_hello --help; assert_greeted
  run_hello -h -v -V -? -q --usage; assert_greeted
  run_hello --version -n -e -E; assert_greeted
  run_hello -- -; assert_greeted
  run_hello '' 'with space' $'new\nline' $'\xff\x01'; assert_greeted
  run_hello '%s%n%x' '*' \$HOME; assert_greeted
}

@test "very many and very long arguments are ignored" {
  skip_on_windows "a Windows command line holds at most 32767 characters"
  run_hello $(seq 10000); assert_greeted
  run_hello "$(printf '%*s' 100000 '' | tr ' ' x)"; assert_greeted
}

@test "two runs give identical output" {
  hello >"$BATS_TEST_TMPDIR/first"
  hello >"$BATS_TEST_TMPDIR/second"
  cmp "$BATS_TEST_TMPDIR/first" "$BATS_TEST_TMPDIR/second"
}
