#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Every file of the project says its licence and copyright, as REUSE lays
# them out. Linted on a copy, which holds the project's files alone, so that
# build folders in an unpacked source package (no git to tell them) are not.

# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

@test "reuse lint finds every file's licence and copyright" {
  copy_project "$BATS_TEST_TMPDIR/project"
  reuse --root "$BATS_TEST_TMPDIR/project" lint
}
