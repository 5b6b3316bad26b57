#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The build reads the release facts from the ChangeLog as dpkg-parsechangelog
# reads that file, and refuses, naming the line, what would give a wrong fact.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Reads the project's ChangeLog edited by sed script $1 into $output, with the
# exit status in $status.
read_facts() {
  sed -e "$1" "$HELLO_SOURCE_DIR/ChangeLog" >"$BATS_TEST_TMPDIR/ChangeLog"
  run cmake -D HELLO_CHANGELOG="$BATS_TEST_TMPDIR/ChangeLog" -P "$HELLO_SOURCE_DIR/cmake/ReleaseFacts.cmake"
}

@test "what dpkg-parsechangelog accepts gives the same release date" {
  read_facts ''
  [ "$status" -eq 0 ] && date=$(grep '^HELLO_RELEASE_EPOCH=' <<<"$output")
  for edit in 's/, 08 Dec/, 8 Dec/' 's/Tue, 08 Dec/08 Dec/' 's/, 08 Dec/,  8 Dec/' 's/ +0000$/ +0000  /' \
    's/^  \* First/  [ Jane Doe ]\n  * First/' 's/^  \* Built/  - Built/'; do
    read_facts "$edit"
    [ "$status" -eq 0 ] || { echo "refused after $edit: $output"; return 1; }
    grep -qx "$date" <<<"$output" || { echo "after $edit: $output"; return 1; }
  done
  read_facts 's/12:00:00 +0000/13:30:00 +0130/'
  grep -qx "$date" <<<"$output"
}

@test "an unknown month, a weekday not the date's or a time without seconds is refused, by line" {
  while IFS='|' read -r edit why; do
    read_facts "$edit"
    [ "$status" -ne 0 ] && grep -q "ChangeLog, line [0-9]*: .*$why" <<<"$output" ||
      { echo "after $edit, expected '$why': $output"; return 1; }
  done <<'EOF_CASES'
s/08 Dec/08 Dex/|'Dex' is not a month's name
s/Tue, 08/Mon, 08/|is a Tue, not a Mon
s/12:00:00/12:00/|the time is not HH:MM:SS
s/^  \* First/* First/|not a line of Debian's changelog format
EOF_CASES
}

@test "the release date is the one dpkg-parsechangelog and date read from the ChangeLog" {
  read_facts ''
  epoch=$(sed -n 's/^HELLO_RELEASE_EPOCH=//p' <<<"$output")
  trailer=$(grep -m 1 '^ -- ' "$HELLO_SOURCE_DIR/ChangeLog" | sed 's/.*>  //')
  [ "$epoch" = "$(date -d "$trailer" +%s)" ] || { echo "$epoch is not $trailer"; return 1; }
  needs dpkg-parsechangelog dpkg-dev
  [ "$epoch" = "$(dpkg-parsechangelog -l "$HELLO_SOURCE_DIR/ChangeLog" -S Timestamp)" ]
}
