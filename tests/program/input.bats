#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Standard input is never read: whatever is on it, the program neither reads
# nor waits (the time limit in hello() catches a program that waits), and the
# next reader of the same input gets all of it. (A terminal on standard
# input: output.bats, which runs hello on one as a person does.)

# shellcheck source=helper.bash
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

@test "standard input an eventfd, inotify, signalfd, timerfd or pidfd" {
  skip_on_windows "these are Linux descriptors"
  for kind in eventfd inotify signalfd timerfd pidfd; do
    echo "standard input: $kind"
    run_hello_with_descriptor "$kind" 0
    assert_greeted
  done
}

# Runs hello and then cat on the same standard input, which shares its offset
# if a file: cat must get all of $input.
assert_input_left() {
  run_hello
  cat >"$BATS_TEST_TMPDIR/rest"
  assert_greeted
  cmp "$input" "$BATS_TEST_TMPDIR/rest" || { echo "the next reader did not get all of standard input"; return 1; }
}

@test "standard input a file or a pipe with data is left whole to the next reader" {
  input=$BATS_TEST_TMPDIR/input
  seq 1000 >"$input"
  assert_input_left <"$input"
  assert_input_left < <(cat "$input")
}

@test "nothing is read and no file opened: no input, configuration file or terminal" {
  [ ${#launcher[@]} -eq 0 ] || skip "an emulator or launcher reads files of its own"
  needs strace
  is_static "$HELLO" ||
    skip "the dynamic loader opens the shared libraries (binary.linking checks what a dynamic program calls)"
  echo 'input' >"$BATS_TEST_TMPDIR/input"
  strace -f -o "$BATS_TEST_TMPDIR/calls" -e trace=open,openat,openat2,creat,read,readv,pread64,preadv,preadv2 \
    "$HELLO" <"$BATS_TEST_TMPDIR/input" >/dev/null
  if grep -Ev ' (execve|\+\+\+ exited)' "$BATS_TEST_TMPDIR/calls"; then echo "calls above read or open"; return 1; fi
}
