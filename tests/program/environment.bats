#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The environment does not shape the greeting: with none, the caller's own, or
# one set against it, the bytes and the status are the same.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# env_options for an environment set against the greeting: every locale
# variable names language $1, and the variables a program might consult are
# set, HOME unset. Some locales are installed here, some exist nowhere: a
# program that followed them would change its greeting or fail.
hostile_to() {
  env_options=(-u HOME GREETING='Hallo Welt!' TERM=xterm-256color NO_COLOR=1 COLUMNS=5 POSIXLY_CORRECT=1)
  local variable
  for variable in LANG LANGUAGE LC_ALL LC_ADDRESS LC_COLLATE LC_CTYPE LC_IDENTIFICATION \
    LC_MEASUREMENT LC_MESSAGES LC_MONETARY LC_NAME LC_NUMERIC LC_PAPER LC_TELEPHONE LC_TIME; do
    env_options+=("$variable=$1")
  done
}

@test "an empty, the caller's or a hostile environment gives the same greeting" {
  for environment in empty caller de_DE.UTF-8 tr_TR.UTF-8 ja_JP.eucJP ar_SA.UTF-8 xx_XX.UTF-8 C.nonexistent; do
    case $environment in
      empty) env_options=(-i) ;;
      caller) env_options=() ;;
      *) hostile_to "$environment" ;;
    esac
    run_hello
    assert_greeted
  done
}

# A top pad beyond what the system maps makes every allocation fail; a limit
# on the data size makes that so whatever the machine's memory. A data size
# limit of 200 KiB leaves a static C library's start-up no room at all.
@test "a malloc top pad beyond what can be mapped, or a data size limit of 200 KiB: a static glibc program does not start, as the manual's BUGS says" {
  [ ${#launcher[@]} -eq 0 ] || skip "the emulator or launcher reads these variables for its own C library"
  static_glibc=false
  if [ "${HELLO_SYSTEM:-Linux}" = Linux ] && is_static "$HELLO"; then static_glibc=true; fi
  for setting in 1048576:MALLOC_TOP_PAD_=99999999999 1048576:GLIBC_TUNABLES=glibc.malloc.top_pad=99999999999 200:; do
    # Not through env, which itself cannot start in 200 KiB.
    words=("$HELLO")
    [ -z "${setting#*:}" ] || words=(env "${setting#*:}" "$HELLO")
    # The limit is a static program's trouble: a dynamic one's loader (Debian 13's)
    # and AddressSanitizer need more.
    limit=${setting%%:*}
    $static_glibc || limit=unlimited
    status=0
    (ulimit -d "$limit" && exec "${words[@]}") >"$out" 2>"$err" || status=$?
    if ! $static_glibc; then
      assert_greeted
      continue
    fi
    # The static start-up of the GNU C Library fails to allocate: 2.36 crashes
    # while reporting it, 2.41 reports it and exits.
    [ "$status" -eq $((128 + $(kill -l SEGV))) ] || { [ "$status" -eq 127 ] && grep -q 'cannot' "$err"; } ||
      fail_with_run "death by SIGSEGV, or status 127 and the C library's message, as the manual's BUGS section says: if this C library now starts, update BUGS and this case"
  done
}
