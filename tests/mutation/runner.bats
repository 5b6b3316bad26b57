#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The runner counts a mutant as caught only when a case of its own check
# failed: not when the check's set-up failed, nor when the check passed.

bats_require_minimum_version 1.5.0
# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

# Writes a project into $project whose check `judge` needs the fixture that
# check `setup` makes; $1 and $2 are their shell commands.
write_project() {
  project=$BATS_TEST_TMPDIR/project
  rm -rf "$project" && mkdir -p "$project/cmake"
  echo 'broken: no' >"$project/target.txt"
  cat >"$project/CMakeLists.txt" <<EOF_PROJECT
cmake_minimum_required(VERSION 3.25)
project(runner LANGUAGES NONE)
enable_testing()
add_test(NAME setup COMMAND sh -c [[$1]])
set(HELLO_CASES "" CACHE STRING "")
add_test(NAME judge COMMAND sh -c [[$2]] judge \${HELLO_CASES})
set_tests_properties(setup PROPERTIES FIXTURES_SETUP f)
set_tests_properties(judge PROPERTIES FIXTURES_REQUIRED f)
EOF_PROJECT
  # shellcheck disable=SC2016 # CMake's own ${sourceDir}
  printf '{"version": 6, "configurePresets": [{"name": "p", "generator": "Ninja", "binaryDir": "${sourceDir}/build/p"}],
    "buildPresets": [{"name": "p", "configurePreset": "p"}]}\n' >"$project/CMakePresets.json"
  printf 'm\tp\tjudge\ttarget.txt\ts/no/yes/\n' >"$BATS_TEST_TMPDIR/mutants.tsv"
}

@test "a check whose set-up failed, one that passed and one that failed by a case" {
  runner=$BATS_TEST_DIRNAME/run-mutant.sh
  while IFS='|' read -r setup check expected_status expected; do
    write_project "$setup" "$check"
    cd "$BATS_TEST_TMPDIR" && HELLO_SOURCE_DIR=$project HELLO_MUTANTS=$BATS_TEST_TMPDIR/mutants.tsv run bash "$runner" m
    [ "$status" -eq "$expected_status" ] && grep -q "$expected" <<<"$output" ||
      { echo "$output"; echo "expected status $expected_status and: $expected"; return 1; }
  done <<'EOF_CASES'
echo 'not ok 1 could not start'; exit 1|echo ok|1|mutant m: not judged: judge did not run
true|echo 'ok 1 fine'|1|mutant m: judge passed against it
true|echo 'not ok 1 broken'; exit 1|0|mutant m: caught by judge: .*not ok 1 broken
true|echo 'something went wrong'; exit 1|1|mutant m: not judged: judge failed without a failing case
EOF_CASES
}

@test "the cases a mutant names are the ones its check runs" {
  # shellcheck disable=SC2016 # expanded by the check's shell
  write_project true '[ "$1" = "judge=the cases (named)" ] && echo "not ok 1 judged" && exit 1; echo "ok 1 all run"'
  printf 'm\tp\tjudge\ttarget.txt\ts/no/yes/\tthe cases (named)\n' >"$BATS_TEST_TMPDIR/mutants.tsv"
  cd "$BATS_TEST_TMPDIR" && HELLO_SOURCE_DIR=$project HELLO_MUTANTS=$BATS_TEST_TMPDIR/mutants.tsv run bash "$BATS_TEST_DIRNAME/run-mutant.sh" m
  [ "$status" -eq 0 ] || { echo "$output"; return 1; }
}
