#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The commands the README and HACKING show work as shown, in a fresh copy of
# the project whose path has a space, as a new user's clone: the README's
# two opening commands, and every line of their code blocks but those the
# docs label as needing what no machine here has. The workflows they name
# exist (CI runs each of them).

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

# The lines of the code blocks of $1 (indented four spaces or more) from the
# one that starts with $2 on, up to the end of that block.
doc_block() {
  awk -v first="$2" '{ line = $0; sub(/^ +/, "", line) } /^    / && index(line, first) == 1 { on = 1 }
    on && !/^    / { exit } on { print line }' "$HELLO_SOURCE_DIR/$1"
}

@test "install and uninstall as the README shows: into ~/.local, then all of it gone" {
  bash -c "$(readme_command 'Build and run')" >run.log 2>&1 || { cat run.log; return 1; }
  commands=$(doc_block README.md 'cmake --install')
  [ "$(wc -l <<<"$commands")" -eq 2 ] || { echo "README: no install and uninstall lines: $commands"; return 1; }
  export HOME=$BATS_TEST_TMPDIR/home
  bash -c "$(head -n 1 <<<"$commands")" >/dev/null && [ "$("$HOME/.local/bin/hello")" = "$greeting_line" ]
  bash -c "$(tail -n 1 <<<"$commands")" >/dev/null
  [ -z "$(find "$HOME" -mindepth 1)" ] || { find "$HOME"; return 1; }
}

@test "HACKING's commands: the everyday loop after the dev workflow, a user preset, a mutant" {
  needs clang++ clang
  cmake --preset dev >dev.log 2>&1 && cmake --build --preset dev >>dev.log 2>&1 || { cat dev.log; return 1; }
  for first in 'cmake --build build/dev' 'echo ' 'cmake --preset dev &&'; do
    commands=$(doc_block HACKING.md "$first" | grep -v '^cmake --workflow')
    [ -n "$commands" ] || { echo "HACKING: no block from '$first'"; return 1; }
    while read -r command; do
      bash -c "$command" >command.log 2>&1 || { cat command.log; echo "failed: $command"; return 1; }
    done <<<"$commands"
  done
}

@test "every workflow the docs name exists" {
  mapfile -t workflows < <(cmake --workflow --list-presets | sed -n 's/^ *"\([^"]*\)".*/\1/p')
  while read -r preset; do
    [[ " ${workflows[*]} " == *" $preset "* ]] || { echo "no workflow $preset"; return 1; }
  done < <(grep -Eoh 'workflow --preset [a-zA-Z0-9-]+' "$HELLO_SOURCE_DIR"/{README,HACKING,bench/README}.md |
    grep -v '[A-Z]' | cut -d' ' -f3)
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

@test "every platform tested here has a workflow, every linux-* workflow a row, and the others are marked" {
  mapfile -t workflows < <(cmake --workflow --list-presets | sed -n 's/^ *"\([^"]*\)".*/\1/p')
  grep '^| Linux\|^| Windows\|^| WebAssembly\|^| macOS' "$HELLO_SOURCE_DIR/README.md" >rows
  [ "$(wc -l <rows)" -ge 9 ] || { cat rows; echo "no platform table"; return 1; }
  while IFS='|' read -r _ platform _ _ where command _; do
    [[ $where == *'not run here'* ]] && continue
    while read -r preset; do
      [[ " ${workflows[*]} " == *" $preset "* ]] || { echo "$platform: no workflow $preset"; return 1; }
    done < <(grep -Eo 'preset [a-zA-Z0-9-]+' <<<"$command" | grep -v '[A-Z]' | cut -d' ' -f2)
  done <rows
  for workflow in "${workflows[@]}"; do
    [[ $workflow == linux-* ]] || continue
    grep -E "^\| Linux [^|]*\<${workflow#linux-}\>" rows >/dev/null || { echo "no row of the README's names $workflow"; return 1; }
  done
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
