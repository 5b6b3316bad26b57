# Shared set-up for the tests of hello. HELLO names the program under test;
# HELLO_LAUNCHER, when set, is a command put in front of it (valgrind, say).

setup() {
  read -ra launcher <<<"${HELLO_LAUNCHER:-}"
  env_options=()
  status=0
  out=$BATS_TEST_TMPDIR/out
  err=$BATS_TEST_TMPDIR/err
  greeting=$BATS_TEST_TMPDIR/greeting
  printf 'Hello World!\n' >"$greeting"
}

# Runs hello with the caller's redirections and env_options (for signal
# dispositions or an empty environment). The time limit turns a program that
# waits on its input into a failed test rather than a hung one.
hello() {
  timeout 10 env "${env_options[@]}" "${launcher[@]}" "$HELLO" "$@"
}

# Runs hello with standard output and error kept in files and the exit status in $status.
run_hello() { hello "$@" >"$out" 2>"$err" || status=$?; }

# The run wrote the 13 bytes of the greeting, nothing else, and exited 0.
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
