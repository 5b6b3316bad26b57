#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The portable archive: the Linux one holds a static program that runs on any
# Linux of its architecture; the Windows one hello.exe and a README.txt.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "the tar archive's program runs, a static build's without a dynamic loader, with its licences" {
  [ "$HELLO_SYSTEM" != Windows ] || skip "the Windows archive is a zip"
  tar -xzf "$(package_file "/$HELLO_ARCHIVE.tar.gz")" -C "$BATS_TEST_TMPDIR"
  program=$(find "$BATS_TEST_TMPDIR" -path '*/bin/hello*' -type f)
  IFS=';' read -ra emulator <<<"${HELLO_EMULATOR:-}"
  [ "$("${emulator[@]}" "$program")" = "$greeting_line" ]
  if [ "$HELLO_LINKS_STATICALLY" = ON ] && [ "$HELLO_FORMAT" = ELF ]; then is_static "$program"; fi
  holds_licences "$BATS_TEST_TMPDIR"
}

@test "the Windows archive holds hello.exe, its licences and a README.txt whose every line ends in CR LF" {
  [ "$HELLO_SYSTEM" = Windows ] || skip "only a Windows build makes a zip"
  unzip -q "$(package_file "/$HELLO_ARCHIVE.zip")" -d "$BATS_TEST_TMPDIR/unpacked"
  find "$BATS_TEST_TMPDIR/unpacked" -path '*/bin/hello.exe' | grep -q .
  readme=$(find "$BATS_TEST_TMPDIR/unpacked" -name README.txt)
  [ -n "$readme" ]
  if grep -n $'[^\r]$\|^$' "$readme"; then echo "lines above end in LF alone"; return 1; fi
  holds_licences "$BATS_TEST_TMPDIR/unpacked"
}
