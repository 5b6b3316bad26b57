#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Every kind of standard output gets the greeting exactly once; one that cannot
# take it makes the exit status say so, with nothing on standard error.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Opens descriptor $pipe on a pipe whose reader has already gone.
open_pipe_without_reader() {
  exec {pipe}> >(:)
  # The reader is gone once waited for, or when the shell has reaped it already.
  wait $! || true
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
  [ "$status" -eq $((128 + $(kill -l "$1"))) ] && [ ! -s "$err" ] ||
    fail_with_run "status $((128 + $(kill -l "$1"))) (SIG$1), nothing on standard error"
}

# Perl runs its arguments with standard output on one end of a Unix socket
# pair, which bash cannot make, and copies what arrives at the other end to its
# own; it exits as they did.
# shellcheck disable=SC2016 # perl's own variables
on_socket='socketpair(my $reader, my $writer, AF_UNIX, SOCK_STREAM, PF_UNSPEC) or die "socketpair: $!";
  defined(my $pid = fork) or die "fork: $!";
  if (!$pid) { open STDOUT, ">&", $writer or die "dup: $!"; exec @ARGV or die "exec: $!" }
  close $writer; print while sysread $reader, $_, 4096; waitpid $pid, 0;
  exit($? & 127 ? 128 + ($? & 127) : $? >> 8)'

# Runs hello with standard output of kind $1 (file pipe fifo socket null) and standard error in $err; what a reader got ends up in $out.
run_hello_into() {
  local fifo=$BATS_TEST_TMPDIR/fifo words
  status=0
  case $1 in
    file) run_hello ;;
    pipe) hello 2>"$err" > >(cat >"$out") || status=$?; wait $! ;;
    fifo) rm -f "$fifo" && mkfifo "$fifo"
      cat "$fifo" >"$out" &
      hello 2>"$err" >"$fifo" || status=$?; wait $! ;;
    socket) program_words "$HELLO"
      timeout 10 perl -MSocket -e "$on_socket" "${words[@]}" >"$out" 2>"$err" || status=$? ;;
    null) hello 2>"$err" >/dev/null || status=$?; : >"$out" ;;
  esac
}

@test "every kind of standard output gets exactly one greeting" {
  for kind in file pipe fifo socket null; do
    echo "standard output: $kind"
    run_hello_into "$kind"
    if [ "$kind" = null ]; then assert_greeted /dev/null; else assert_greeted; fi
  done
}

@test "on a terminal, with all three streams or standard output alone on it, only the greeting shows" {
  skip_on_windows "wine draws a Windows console of its own on a terminal"
  for streams in all output; do
    echo "on the terminal: $streams"
    run_hello_on_terminal "$streams"
    assert_greeted
  done
}

@test "standard output open for reading and writing on /dev/null, as services get it, gives status 0" {
  hello 1<>/dev/null 2>"$err" || status=$?
  : >"$out"
  assert_greeted /dev/null
}

@test "standard error an eventfd, inotify, signalfd, timerfd or pidfd: the greeting as ever" {
  skip_on_windows "these are Linux descriptors"
  for kind in eventfd inotify signalfd timerfd pidfd; do
    echo "standard error: $kind"
    run_hello_with_descriptor "$kind" 2
    [ "$status" -eq 0 ] && cmp -s "$greeting" "$out" || fail_with_run "status 0 and the greeting" "$greeting"
  done
}

@test "closed standard output gives status 1" {
  hello >&- 2>"$err" || status=$?
  assert_refused
}

@test "standard input and output both closed gives status 1" {
  if on_windows && [ ${#emulator[@]} -gt 0 ]; then
    skip "wine hands the freed descriptor to its own server, and the greeting goes there; Windows does not"
  fi
  hello <&- >&- 2>"$err" || status=$?
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

@test "gone reader with SIGPIPE at its default ends the program by SIGPIPE (Windows, WASI: status 1)" {
  open_pipe_without_reader
  env_options=(--default-signal=PIPE)
  hello 1>&"$pipe" 2>"$err" || status=$?
  if has_signals; then assert_killed_by PIPE; else assert_refused; fi
}

@test "file size limit with SIGXFSZ ignored gives status 1 and stores what fits" {
  skip_on_windows "Windows has no file size limit"
  run_at_file_size_limit --ignore-signal
  assert_refused
  [ "$(stat -c %s "$out")" -eq 1024 ]
}

@test "file size limit with SIGXFSZ at its default ends the program by SIGXFSZ (WASI: status 1)" {
  skip_on_windows "Windows has no file size limit"
  run_at_file_size_limit --default-signal
  if has_signals; then assert_killed_by XFSZ; else assert_refused; fi
}

@test "an error from a write or from the close of standard output gives status 1, whatever the error" {
  skip_on_windows "wine writes and closes its own copy of the file, which strace cannot make fail"
  needs strace
  # As a failing disk, a full quota or a network or user-space file system
  # would: the write (or the close of that file, and no other) fails.
  : >"$out"
  file=$(realpath "$out")
  for failure in write:EIO write:EAGAIN write:ENOSPC close:EIO close:EDQUOT close:ENOSPC; do
    # Runtimes write with any of the write calls.
    calls=${failure%:*}
    [ "$calls" = close ] || calls=write,writev,pwrite64,pwritev
    echo "$failure:"
    status=0
    # LeakSanitizer, in a sanitized build, cannot work under strace's ptrace.
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
      timeout 10 strace -f -o /dev/null -P "$file" -e inject="$calls:error=${failure#*:}" \
      "${launcher[@]}" "$HELLO" >"$out" 2>"$err" || status=$?
    assert_refused
    # What the close failed on had been written; a failed write wrote nothing.
    if [ "${failure%:*}" = close ]; then cmp "$greeting" "$out"; else [ ! -s "$out" ]; fi
  done
}
