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

# Runs hello into a file that a size limit leaves room for 2 more bytes in,
# with SIGXFSZ given disposition $1 (--ignore-signal or --default-signal).
run_at_file_size_limit() {
  head -c 1022 /dev/zero >"$out"
  # exec: the shell that waits reports a killed job on its own standard
  # error, which must not be the program's.
  (ulimit -f 1 && exec timeout 10 env "$1=XFSZ" "${launcher[@]}" "$HELLO" >>"$out" 2>"$err") ||
    status=$?
}

# The run was ended by signal $1 and wrote nothing to standard error.
assert_killed_by() {
  [ "$status" -eq $((128 + $(kill -l "$1"))) ]
  [ ! -s "$err" ]
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

@test "gone reader with SIGPIPE at its default ends the program by SIGPIPE (Windows: status 1)" {
  open_pipe_without_reader
  env_options=(--default-signal=PIPE)
  hello 1>&"$pipe" 2>"$err" || status=$?
  if on_windows; then assert_refused; else assert_killed_by PIPE; fi
}

@test "file size limit with SIGXFSZ ignored gives status 1 and stores what fits" {
  skip_on_windows "Windows has no file size limit"
  run_at_file_size_limit --ignore-signal
  assert_refused
  [ "$(stat -c %s "$out")" -eq 1024 ]
}

@test "file size limit with SIGXFSZ at its default ends the program by SIGXFSZ" {
  skip_on_windows "Windows has no file size limit"
  run_at_file_size_limit --default-signal
  assert_killed_by XFSZ
}

@test "an error reported only when standard output is closed gives status 1" {
  skip_on_windows "wine closes its own copy of the file, which strace cannot make fail"
  command -v strace >/dev/null || skip "strace is not installed (Debian: apt-get install strace)"
  # As a full network or user-space file system would: the write is taken,
  # and the close of that file (and no other) fails.
  : >"$out"
  # LeakSanitizer, in a sanitized build, cannot work under strace's ptrace.
  file=$(realpath "$out")
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    timeout 10 strace -f -o /dev/null -P "$file" -e inject=close:error=ENOSPC \
    "${launcher[@]}" "$HELLO" >"$out" 2>"$err" || status=$?
  assert_refused
  cmp "$greeting" "$out"
}
