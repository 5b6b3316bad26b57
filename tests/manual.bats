#!/usr/bin/env bats
# The manual page is well formed for both of the usual formatters.

bats_require_minimum_version 1.5.0

setup() { manual=$HELLO_BUILD_DIR/man/hello.1; }

@test "mandoc's lint finds nothing" {
  command -v mandoc >/dev/null || skip "mandoc is not installed"
  mandoc -Tlint "$manual"
}

@test "groff formats it without a warning" {
  run --separate-stderr groff -man -ww -z "$manual"
  [ "$status" -eq 0 ]
  [ -z "$stderr" ]
}
