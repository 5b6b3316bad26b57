#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The manual page is well formed for both of the usual formatters and names
# the release it documents.

bats_require_minimum_version 1.5.0

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"
manual=${HELLO_MANUAL:-$build_dir/man/hello.1}

setup() {
  if on_windows; then skip "a Windows build installs README.txt, not the manual page"; fi
}

@test "mandoc's lint finds nothing" {
  needs mandoc
  mandoc -Tlint "$manual"
}

@test "groff formats it without a warning" {
  needs groff groff-base
  run --separate-stderr groff -man -ww -z "$manual"
  [ "$status" -eq 0 ]
  [ -z "$stderr" ]
}

@test "its title line carries the project's name and version" {
  [ -n "${HELLO_RELEASE:-}" ] || skip "HELLO_RELEASE (NAME VERSION) is not set"
  grep -qx "\.TH HELLO 1 [0-9-]* \"$HELLO_RELEASE\" \"User Commands\"" "$manual"
}
