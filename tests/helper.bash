# Shared set-up for the tests of hello. Run a file alone with
#   HELLO=build/hello bats tests/FILE.bats
# HELLO names the program under test. Optional:
#   HELLO_LAUNCHER  a command put in front of it, words separated by spaces (valgrind, say)
#   HELLO_EMULATOR  the emulator of a cross build, as a CMake list (qemu-aarch64;-L;/usr/aarch64-linux-gnu)
#   HELLO_SYSTEM    the target's CMake system name; Windows when HELLO ends in .exe
#   HELLO_BUILD_DIR the build folder, for the manual page and install; HELLO's folder
#   HELLO_CONFIG    the configuration of a multi-configuration build

if [ -z "${HELLO:-}" ]; then
  printf 'HELLO must name the program under test: HELLO=build/hello bats %s\n' \
    "${BATS_TEST_FILENAME#"$PWD/"}" >&2
  exit 2
fi
# shellcheck disable=SC2034 # for the files that source this one
build_dir=${HELLO_BUILD_DIR:-$(dirname "$HELLO")}
read -ra launcher <<<"${HELLO_LAUNCHER:-}"
IFS=';' read -ra emulator <<<"${HELLO_EMULATOR:-}"
launcher+=("${emulator[@]}")

# Windows text streams end a line with CR LF, and Windows has no signals for a
# gone reader or a file size limit.
on_windows() { [ "${HELLO_SYSTEM:-}" = Windows ] || [[ -z ${HELLO_SYSTEM:-} && $HELLO == *.exe ]]; }
if on_windows; then line_end=$'\r\n'; else line_end=$'\n'; fi

setup() {
  env_options=()
  status=0
  out=$BATS_TEST_TMPDIR/out
  err=$BATS_TEST_TMPDIR/err
  greeting=$BATS_TEST_TMPDIR/greeting
  printf 'Hello World!%s' "$line_end" >"$greeting"
}

# Runs PROGRAM (hello, or an installed copy) with the caller's redirections and
# env_options (for signal dispositions or an empty environment). The time limit
# turns a program that waits on its input into a failed test rather than a hung one.
run_program() {
  local program=$1
  shift
  timeout 10 env "${env_options[@]}" "${launcher[@]}" "$program" "$@"
}
hello() { run_program "$HELLO" "$@"; }

# Runs hello with standard output and error kept in files and the exit status in $status.
run_hello() { hello "$@" >"$out" 2>"$err" || status=$?; }

# The run wrote the bytes of the greeting, nothing else, and exited 0.
assert_greeted() {
  [ "$status" -eq 0 ]
  cmp "$greeting" "$out"
  [ ! -s "$err" ]
}

# Standard output refused the greeting: exit status 1 is the only report.
assert_refused() {
  [ "$status" -eq 1 ]
  [ ! -s "$err" ]
}

# Skips the case on platforms that cannot express it, saying why.
skip_on_windows() { if on_windows; then skip "$1"; fi; }
