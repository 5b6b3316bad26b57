#!/usr/bin/env bats
# Standard input is never read: whatever is on it, the program neither reads
# nor waits (the time limit in hello() catches a program that waits).

# shellcheck source=tests/helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "standard input closed" {
  run_hello <&-
  assert_greeted
}

@test "standard input empty" {
  run_hello </dev/null
  assert_greeted
}

@test "standard input a pipe that never delivers" {
  mkfifo "$BATS_TEST_TMPDIR/fifo"
  exec {silent}<>"$BATS_TEST_TMPDIR/fifo"  # holds the write end open, writes nothing
  run_hello <&"$silent"
  exec {silent}<&-
  assert_greeted
}

@test "standard input a terminal" {
  skip_on_windows "wine draws a Windows console of its own on a terminal"
  # script(1) gives the program a terminal on all three standard streams.
  run timeout 10 script -qec "$(printf '%q ' "${launcher[@]}" "$HELLO")" /dev/null </dev/null
  [ "$status" -eq 0 ]
  [ "$output" = $'Hello World!\r' ]
}
