#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# CI's scripts cannot go green on nothing, nor touch what is not theirs.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

setup_file() {
  copy_project "$BATS_FILE_TMPDIR/project" && cp "$HELLO_SOURCE_DIR/CMakePresets.json" "$BATS_FILE_TMPDIR/presets.json"
  # cmake, except that a workflow prints STUB_WORKFLOW_LOG and passes, where it is set.
  mkdir "$BATS_FILE_TMPDIR/stub"
  # shellcheck disable=SC2016 # the stub's own variables
  printf '#!/bin/sh\n%s\nexec "%s" "$@"\n' \
    '[ "$1 $2" = "--workflow --preset" ] && [ -n "${STUB_WORKFLOW_LOG+set}" ] && { echo "$STUB_WORKFLOW_LOG"; exit 0; }' \
    "${CMAKE_COMMAND:-$(command -v cmake)}" >"$BATS_FILE_TMPDIR/stub/cmake"
  chmod +x "$BATS_FILE_TMPDIR/stub/cmake"
}

# Edits the copy's CMakePresets.json with jq filter $1.
edit_presets() {
  jq "$1" "$project/CMakePresets.json" >"$BATS_TEST_TMPDIR/presets.json" && mv "$BATS_TEST_TMPDIR/presets.json" "$project/CMakePresets.json"
}

@test ".ci/run fails on no workflow, a workflow that ran no test, and a preset disabled but for another host" {
  needs jq
  project=$BATS_FILE_TMPDIR/project
  # Columns: an edit of the presets, the stubbed workflows' log (- runs them),
  # the workflows to run (none: every one listed), status, what it says.
  while IFS=';' read -r edit log workflows expected_status expected; do
    cp "$BATS_FILE_TMPDIR/presets.json" "$project/CMakePresets.json"
    eval "$edit"
    local stub=(STUB_WORKFLOW_LOG="$log")
    [ "$log" != - ] || stub=()
    # shellcheck disable=SC2086 # the workflows, one word each
    run env -u CI PATH="$BATS_FILE_TMPDIR/stub:$PATH" "${stub[@]}" bash "$project/.ci/run" $workflows
    [ "$status" -eq "$expected_status" ] && grep -q "$expected" <<<"$output" ||
      { echo "$output"; echo "expected status $expected_status and: $expected"; return 1; }
  done <<'EOF_CASES'
sed -i 1d "$project/CMakePresets.json";-;;1;ci: cannot read the workflows of CMakePresets.json
edit_presets 'del(.workflowPresets)';-;;1;ci: CMakePresets.json lists no workflow
:;100% tests passed, 0 tests failed out of 3;;0;: [1-9][0-9]* passed, 0 failed
:;No tests were found!!!;default;1;ci: default FAILED .*, running no test
:;Executing workflow step 3 of 3: test preset "default";default;1;ci: default FAILED .*, running no test
edit_presets '(.configurePresets[] | select(.name == "default")).condition = false';-;default;1;Cannot use disabled configure preset .*"default"
:;-;msvc;0;ci: msvc skipped: its presets are for Windows
EOF_CASES
}

@test ".ci/debian-root refuses a root it did not make, and changes nothing in it" {
  root=$BATS_TEST_TMPDIR/root
  mkdir -p "$root/work" "$root/etc" && echo mine >"$root/work/file" && echo 'nameserver 192.0.2.1' >"$root/etc/resolv.conf"
  # Should the refusal go, these fail before any download.
  mkdir "$BATS_TEST_TMPDIR/stub" && for tool in debootstrap bwrap; do
    printf '#!/bin/sh\nexit 1\n' >"$BATS_TEST_TMPDIR/stub/$tool" && chmod +x "$BATS_TEST_TMPDIR/stub/$tool"
  done
  listing() { find "$root" -printf '%P %m %s %T@\n' | sort && cat "$root/work/file" "$root/etc/resolv.conf"; }
  before=$(listing)
  PATH=$BATS_TEST_TMPDIR/stub:$PATH run bash "$HELLO_SOURCE_DIR/.ci/debian-root" bookworm "$root"
  [ "$status" -eq 2 ] && grep -q "is not a root this script made" <<<"$output" || { echo "$output"; return 1; }
  [ "$(listing)" = "$before" ] && [ ! -e "$root.log" ]
}
