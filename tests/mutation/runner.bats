#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The runner counts a mutant as caught only when its check passed on the
# unbroken copy and a case of its own failed against the mutant: not when
# the check's set-up failed, it skipped, or it passed.

bats_require_minimum_version 1.5.0
# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

# Writes a project into $project whose check `judge` needs the fixture that
# check `setup` makes, and is skipped by status 77, as the project's checks
# are; $1 and $2 are their shell commands, in which `mutant` is true in the
# mutant's copy alone.
write_project() {
  project=$BATS_TEST_TMPDIR/project
  rm -rf "$project" && mkdir -p "$project"
  echo 'broken: no' >"$project/target.txt"
  # shellcheck disable=SC2016 # the check's own $0
  local mutant='mutant() { grep -q yes "$0"; }'
  cat >"$project/CMakeLists.txt" <<EOF_PROJECT
cmake_minimum_required(VERSION 3.25)
project(runner LANGUAGES NONE)
enable_testing()
add_test(NAME setup COMMAND sh -c [[$mutant; $1]] \${CMAKE_SOURCE_DIR}/target.txt)
set(HELLO_CASES "" CACHE STRING "")
add_test(NAME judge COMMAND sh -c [[$mutant; $2]] \${CMAKE_SOURCE_DIR}/target.txt \${HELLO_CASES})
set_tests_properties(setup PROPERTIES FIXTURES_SETUP f)
set_tests_properties(judge PROPERTIES FIXTURES_REQUIRED f SKIP_RETURN_CODE 77)
EOF_PROJECT
  # shellcheck disable=SC2016 # CMake's own ${sourceDir}
  printf '{"version": 6, "configurePresets": [{"name": "p", "generator": "Ninja", "binaryDir": "${sourceDir}/build/p"}],
    "buildPresets": [{"name": "p", "configurePreset": "p"}]}\n' >"$project/CMakePresets.json"
  printf 'm\tp\tjudge\ttarget.txt\ts/no/yes/\n' >"$BATS_TEST_TMPDIR/mutants.tsv"
}

# Runs the runner on mutant $1 of the project, from a folder of its own.
run_mutant() {
  mkdir -p "$BATS_TEST_TMPDIR/checks/$1" && cd "$BATS_TEST_TMPDIR/checks/$1" &&
    HELLO_SOURCE_DIR=$project HELLO_MUTANTS=$BATS_TEST_TMPDIR/mutants.tsv run bash "$BATS_TEST_DIRNAME/run-mutant.sh" "$1"
}

@test "caught only by a failing case of a check that passes unbroken" {
  while IFS='|' read -r setup check expected_status expected; do
    write_project "$setup" "$check"
    run_mutant m
    [ "$status" -eq "$expected_status" ] && grep -q "$expected" <<<"$output" ||
      { echo "$output"; echo "expected status $expected_status and: $expected"; return 1; }
  done <<'EOF_CASES'
mutant && exit 1; true|echo 'ok 1 fine'|1|mutant m: not judged: judge gave no verdict: .*Not Run
true|echo 'ok 1 fine'|1|mutant m: judge passed against it
true|mutant && echo 'not ok 1 broken' && exit 1; echo 'ok 1 fine'|0|mutant m: caught by judge: .*not ok 1 broken
true|echo 'not ok 1 broken'; exit 1|1|mutant m: not judged: judge does not pass on an unbroken copy .*: Failed
true|mutant && echo 'something went wrong' && exit 1; echo 'ok 1 fine'|1|mutant m: not judged: judge failed without a failing case
true|mutant && echo 'bench: cc cannot build the floor' && exit 2; echo 'ok 1 fine'|1|mutant m: not judged: judge failed without a failing case
true|mutant && echo 'ok 1 fine # skip no tool' && exit 77; echo 'ok 1 fine'|1|mutant m: not judged: judge gave no verdict: .*Skipped
true|! mutant|0|mutant m: caught by judge: its command failed: .*Failed
EOF_CASES
}

@test "the cases a mutant names are the ones its check runs" {
  # shellcheck disable=SC2016 # expanded by the check's shell
  write_project true 'mutant && [ "$1" = "judge=the cases (named)" ] && echo "not ok 1 judged" && exit 1; echo "ok 1 all run"'
  printf 'm\tp\tjudge\ttarget.txt\ts/no/yes/\tthe cases (named)\n' >"$BATS_TEST_TMPDIR/mutants.tsv"
  run_mutant m
  [ "$status" -eq 0 ] || { echo "$output"; return 1; }
}

@test "mutants judged alike share one control in a run, and a later run makes its own" {
  write_project true "mutant || echo run >>$BATS_TEST_TMPDIR/controls; mutant && echo 'not ok 1 broken' && exit 1; echo 'ok 1 fine'"
  printf 'm%s\tp\tjudge\ttarget.txt\ts/no/yes/\n' 1 2 >"$BATS_TEST_TMPDIR/mutants.tsv"
  mkdir -p "$BATS_TEST_TMPDIR/checks/m1" "$BATS_TEST_TMPDIR/checks/m2"
  # One parent process for both, as ctest is for the mutants of a run.
  # shellcheck disable=SC2016 # expanded by that process
  HELLO_SOURCE_DIR=$project HELLO_MUTANTS=$BATS_TEST_TMPDIR/mutants.tsv run bash -c \
    'cd "$0/m1" && bash "$1" m1 && cd "$0/m2" && bash "$1" m2 && echo both caught' \
    "$BATS_TEST_TMPDIR/checks" "$BATS_TEST_DIRNAME/run-mutant.sh"
  [ "$status" -eq 0 ] && [ "$(wc -l <"$BATS_TEST_TMPDIR/controls")" -eq 1 ] || { echo "$output"; return 1; }
  run_mutant m1
  [ "$status" -eq 0 ] && [ "$(wc -l <"$BATS_TEST_TMPDIR/controls")" -eq 2 ] || { echo "$output"; return 1; }
}

@test "a bats check whose every case skipped, or that ran none, is skipped; one failing case fails it; a plain command stands" {
  while IFS='|' read -r expected_status cases; do
    printf '%b\n' "$cases" >"$BATS_TEST_TMPDIR/check.bats"
    cd "$BATS_TEST_TMPDIR" && run bash "$BATS_TEST_DIRNAME/../check.sh" /dev/null bats "$BATS_TEST_TMPDIR/check.bats"
    [ "$status" -eq "$expected_status" ] || { echo "$output"; echo "expected status $expected_status"; return 1; }
  done <<'EOF_CASES'
77|@test skips { skip 'no tool'; }\n@test skips too { skip; }
77|
1|@test fails { false; }\n@test skips { skip; }
0|@test passes { true; }\n@test skips { skip; }
EOF_CASES
  # A plain command prints no plan: its own status stands.
  run bash "$BATS_TEST_DIRNAME/../check.sh" /dev/null echo 'ok 1 # skip not a bats run'
  [ "$status" -eq 0 ] || { echo "$output"; return 1; }
}
