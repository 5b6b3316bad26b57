# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Shared set-up for the tests of hello. Run a file alone with
#   HELLO=build/hello bats tests/program/FILE.bats
# HELLO names the program under test. Optional:
#   HELLO_LAUNCHER  a command put in front of it, words separated by spaces (valgrind, say)
#   HELLO_EMULATOR  the emulator of a cross build, as a CMake list (qemu-aarch64;-L;/usr/aarch64-linux-gnu)
#   HELLO_SYSTEM    the target's CMake system name; Windows when HELLO ends in .exe, WASI in .wasm
#   HELLO_BUILD_DIR the build folder, for the manual page and install; HELLO's folder
#   HELLO_CONFIG    the configuration of a multi-configuration build
#   HELLO_COMPONENT the install component of hello's files; the project's name
#   HELLO_MANUAL    the manual page built; HELLO_RELEASE the NAME VERSION it must name
#   HELLO_STRIP     the toolchain's strip program, empty where there is none
#   HELLO_LINKS_STATICALLY  ON where the build links statically (its notices are installed)
#   HELLO_SOURCE_DIR        the project; the one these files are in

# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

if [ -z "${HELLO:-}" ]; then
  printf 'HELLO must name the program under test: HELLO=build/hello bats %s\n' \
    "${BATS_TEST_FILENAME#"$PWD/"}" >&2
  exit 2
fi
# shellcheck disable=SC2034 # for the files that source this one
build_dir=${HELLO_BUILD_DIR:-$(dirname "$HELLO")}
HELLO_SOURCE_DIR=${HELLO_SOURCE_DIR:-$(cd "$BATS_TEST_DIRNAME/../.." && pwd)}
read -ra launcher <<<"${HELLO_LAUNCHER:-}"
IFS=';' read -ra emulator <<<"${HELLO_EMULATOR:-}"
launcher+=("${emulator[@]}")

# Windows text streams end a line with CR LF, and Windows has no signals for a
# gone reader or a file size limit.
on_windows() { [ "${HELLO_SYSTEM:-}" = Windows ] || [[ -z ${HELLO_SYSTEM:-} && $HELLO == *.exe ]]; }
if on_windows; then line_end=$'\r\n'; else line_end=$'\n'; fi
# WASI has no signals either: a gone reader or a file size limit is an error
# that the module sees and reports, with what fitted written.
on_wasi() { [ "${HELLO_SYSTEM:-}" = WASI ] || [[ -z ${HELLO_SYSTEM:-} && $HELLO == *.wasm ]]; }
has_signals() { ! on_windows && ! on_wasi; }

setup() {
  env_options=()
  status=0
  out=$BATS_TEST_TMPDIR/out
  err=$BATS_TEST_TMPDIR/err
  greeting=$BATS_TEST_TMPDIR/greeting
  printf '%s%s' "$greeting_line" "$line_end" >"$greeting"
}

# Sets $words to the command that runs PROGRAM (hello, or an installed copy)
# with its arguments: env with env_options (signal dispositions, the
# environment) comes before the launcher, so an emulator's own variables
# survive even an emptied environment.
program_words() { words=(env "${env_options[@]}" "${launcher[@]}" "$@"); }

# Runs PROGRAM with the caller's redirections. The time limit turns a program
# that waits on its input into a failed test rather than a hung one.
run_program() {
  local words
  program_words "$@"
  timeout "${run_timeout:-10}" "${words[@]}"
}
hello() { run_program "$HELLO" "$@"; }

# Runs hello with standard output and error kept in files and the exit status in $status.
# Under wine, the fontconfig that wine itself loads warns about a locale it
# cannot parse: those lines are wine's, not the program's.
run_hello() {
  status=0
  hello "$@" >"$out" 2>"$err" || status=$?
  if on_windows && [ ${#emulator[@]} -gt 0 ]; then sed -i '/^Fontconfig warning: /d' "$err"; fi
}

# Runs hello on a terminal (script(1)'s), as a person at a shell does: with
# $1 = all, standard input, output and error are all on it; with $1 = output,
# standard output alone, input coming from /dev/null and standard error kept
# in $err. What the terminal showed ends up in $out. The terminal passes the
# bytes as written, putting no CR before LF, and its keyboard stays silent but
# open, so that a program that waits for a key times out.
run_hello_on_terminal() {
  needs script util-linux
  local words keyboard=$BATS_TEST_TMPDIR/keyboard silent others=''
  program_words "$HELLO"
  status=0
  : >"$err"
  [ "$1" = all ] || others="</dev/null 2>$(printf '%q' "$err")"
  rm -f "$keyboard" && mkfifo "$keyboard" && exec {silent}<>"$keyboard"
  timeout 10 script -qec "stty -onlcr && exec $(printf '%q ' "${words[@]}") $others" \
    /dev/null <&"$silent" >"$out" || status=$?
  exec {silent}<&-
}

# Runs hello with descriptor $2 made a Linux descriptor of kind $1 (eventfd
# inotify signalfd timerfd pidfd): no file, pipe, socket or terminal.
# Standard output and error not so replaced go to $out and $err.
run_hello_with_descriptor() {
  local words made
  program_words "$HELLO"
  status=0
  # shellcheck disable=SC2016 # perl's own variables
  made='require "syscall.ph"; use POSIX;
    my ($kind, $fd, @command) = @ARGV;
    my $no_signals = pack("Q", 0);
    my %make = (eventfd => sub { syscall(&SYS_eventfd2, 0, 0) }, inotify => sub { syscall(&SYS_inotify_init1, 0) },
      timerfd => sub { syscall(&SYS_timerfd_create, 1, 0) }, signalfd => sub { syscall(&SYS_signalfd4, -1, $no_signals, 8, 0) },
      pidfd => sub { syscall(&SYS_pidfd_open, $$ + 0, 0) });
    my $new = eval { $make{$kind}->() } // -1;
    if ($new < 0) { print STDERR "cannot make a $kind here\n"; exit 77 }
    POSIX::dup2($new, $fd) // die "dup2: $!"; POSIX::close($new) if $new != $fd;
    exec @command or die "exec: $!"'
  timeout 10 perl -e "$made" "$1" "$2" "${words[@]}" >"$out" 2>"$err" || status=$?
  if [ "$status" -eq 77 ]; then skip "$(cat "$err")"; fi
}

# Prints file $2 under heading $1, through cat with options $3 (-A shows
# control characters: ^M is CR, $ ends a line).
show_file() {
  if [ ! -e "$2" ]; then echo "$1: not kept"; elif [ ! -s "$2" ]; then echo "$1: empty"; else
    echo "$1:"; cat ${3:+"$3"} "$2"; [ -z "$(tail -c 1 "$2")" ] || echo
  fi
}

# Fails, saying what was expected ($1, and standard output as in file $2) and
# what the run gave, for bats to show.
fail_with_run() {
  echo "expected: $1"
  [ -z "${2:-}" ] || show_file 'standard output' "$2" -A
  echo "got: status $status${env_options[*]:+ (env ${env_options[*]})}"
  show_file 'standard error' "$err"
  show_file 'standard output' "$out" -A
  return 1
}

# The run wrote the bytes of the greeting (or of file $1), nothing else, and exited 0.
assert_greeted() {
  local expected=${1:-$greeting}
  [ "$status" -eq 0 ] && cmp -s "$expected" "$out" && [ ! -s "$err" ] ||
    fail_with_run "status 0, nothing on standard error" "$expected"
}

# Standard output refused the greeting: exit status 1 is the only report.
assert_refused() {
  [ "$status" -eq 1 ] && [ ! -s "$err" ] || fail_with_run "status 1, nothing on standard error"
}

# Skips the case on platforms that cannot express it, saying why.
skip_on_windows() { if on_windows; then skip "$1"; fi; }
