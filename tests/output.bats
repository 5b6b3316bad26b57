#!/usr/bin/env bats
# Standard output that cannot take the greeting: the exit status says so and
# nothing is written to standard error.

# shellcheck source=tests/helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Opens descriptor $pipe on a pipe whose reader has already gone.
open_pipe_without_reader() {
  exec {pipe}> >(:)
  wait $!
}

@test "closed standard output gives status 1" {
  hello >&- 2>"$err" || status=$?
  assert_refused
}

@test "full device gives status 1" {
  hello >/dev/full 2>"$err" || status=$?
  assert_refused
}

@test "standard output open only for reading gives status 1" {
  hello 1</dev/null 2>"$err" || status=$?
  assert_refused
}

@test "gone reader with SIGPIPE ignored gives status 1" {
  open_pipe_without_reader
  env_options=(--ignore-signal=PIPE)
  hello 1>&"$pipe" 2>"$err" || status=$?
  assert_refused
}

@test "gone reader with SIGPIPE at its default ends the program by SIGPIPE" {
  open_pipe_without_reader
  env_options=(--default-signal=PIPE)
  hello 1>&"$pipe" 2>"$err" || status=$?
  [ "$status" -eq $((128 + $(kill -l PIPE))) ]
  [ ! -s "$err" ]
}

@test "file size limit that takes only part of the greeting gives status 1" {
  # bash's ulimit -f counts 1024-byte blocks: leave room for 2 of the 13 bytes.
  head -c 1022 /dev/zero >"$out"
  env_options=(--ignore-signal=XFSZ)
  (ulimit -f 1 && hello >>"$out" 2>"$err") || status=$?
  assert_refused
  [ "$(stat -c %s "$out")" -eq 1024 ]
}
