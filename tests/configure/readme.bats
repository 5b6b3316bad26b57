#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The README's two commands, word for word from its opening lines, work in a
# fresh copy of the project whose path has a space, as a new user's clone.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

readme_command() { sed -n "s/^$1: \`\(.*\)\`\$/\1/p" "$HELLO_SOURCE_DIR/README.md"; }

# The copy has no .git, as the forge's download of the
# sources has not. The cases share it: each runs the commands it checks, and
# finds built what an earlier case built.
setup_file() {
  clone="$BATS_FILE_TMPDIR/fresh clone"
  copy_project "$clone"
}
setup() { cd "$BATS_FILE_TMPDIR/fresh clone" || return; }

@test "Build and run: an optimised, static program that greets" {
  command=$(readme_command 'Build and run')
  [ -n "$command" ] || { echo "README: no 'Build and run: \`...\`' line"; return 1; }
  # VERBOSE=1 makes the build print its compiler command lines; the command stays as written.
  VERBOSE=1 bash -c "$command" >run.log 2>&1 || { cat run.log; return 1; }
  [ "$(tail -n 1 run.log)" = "$greeting_line" ] || { cat run.log; echo "no greeting"; return 1; }
  grep -E '[ /]main\.cpp' run.log | grep -Eq ' -O[23s]( |$)' ||
    { grep 'main\.cpp' run.log; echo "the plain build is not optimised"; return 1; }
  is_static build/hello || { echo "the plain build is not static"; return 1; }
}

@test "install and uninstall, staged with DESTDIR as the README says, touch nothing else" {
  bash -c "$(readme_command 'Build and run')" >run.log 2>&1 || { cat run.log; return 1; }
  install=$(grep -m 1 '^    cmake --install ' "$HELLO_SOURCE_DIR/README.md" | sed 's/^ *//; s/ *#.*//')
  uninstall=$(grep -m 1 '^    .*uninstall' "$HELLO_SOURCE_DIR/README.md" | sed 's/^ *//; s/ *#.*//')
  [ -n "$install" ] && [ -n "$uninstall" ] || { echo "README: no install or uninstall line"; return 1; }
  export DESTDIR=$BATS_TEST_TMPDIR/root
  bash -c "$install" >/dev/null && [ -n "$(find "$DESTDIR" -type f)" ]
  bash -c "$uninstall" >/dev/null
  [ -z "$(find "$DESTDIR" -type f)" ] || { find "$DESTDIR" -type f; return 1; }
}

@test "Build and test: the suite passes on a static program" {
  command=$(readme_command 'Build and test')
  [ -n "$command" ] || { echo "README: no 'Build and test: \`...\`' line"; return 1; }
  bash -c "$command" >test.log 2>&1 || { cat test.log; return 1; }
  grep -q '100% tests passed' test.log || { cat test.log; echo "no passing suite"; return 1; }
  is_static build/default/hello || { echo "the tested program is not static"; return 1; }
  # The packages the README's table names for this workflow.
  ls build/packages/*-linux-*.tar.gz
}

@test "every platform tested here has a workflow, which CI runs, and the others are marked" {
  mapfile -t workflows < <(cmake --workflow --list-presets | sed -n 's/^ *"\([^"]*\)".*/\1/p')
  grep '^| ' "$HELLO_SOURCE_DIR/README.md" | grep -E '\| (here|CI defined)' >rows
  [ "$(wc -l <rows)" -ge 14 ] || { cat rows; echo "no platform table"; return 1; }
  while IFS='|' read -r _ platform _ tested command _; do
    [[ $tested == *'CI defined, not yet run'* ]] && continue
    grep -q 'preset' <<<"$command" || { echo "$platform: no preset in $command"; return 1; }
    while read -r preset; do
      [[ " ${workflows[*]} " == *" $preset "* ]] || { echo "$platform: no workflow $preset"; return 1; }
    done < <(grep -Eo 'preset [a-z0-9-]+' <<<"$command" | cut -d' ' -f2)
  done <rows
}

@test "the requirements' command installs what the build and the tests need" {
  command -v apt-cache >/dev/null || skip "not a Debian system"
  line=$(sed -n 's/^    \(apt-get install .*\)$/\1/p' "$HELLO_SOURCE_DIR/README.md")
  packages=$(cd "$HELLO_SOURCE_DIR" && bash -c "echo ${line#apt-get install }")
  for needed in g++ cmake ninja-build bats; do [[ " $packages " == *" $needed "* ]]; done
  for package in $packages; do apt-cache show "$package" >/dev/null; done
}

@test "in a folder whose path has '[', the project builds, passes its suite and installs" {
  src="$BATS_TEST_TMPDIR/br[ack"
  copy_project "$src"
  configure "$src/build" -S "$src"
  build_and_test "$src/build"
  DESTDIR=$BATS_TEST_TMPDIR/root cmake --install "$src/build" >/dev/null
  [ "$("$BATS_TEST_TMPDIR/root/usr/local/bin/hello")" = "$greeting_line" ]
}
