#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The SBOM beside each binary package: a CycloneDX document that the CycloneDX
# library's own validator accepts, naming what the program really carries.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Validates the SBOM of every binary package made, and writes its components
# as FILE NAME=VERSION lines to file $components; skips the case where the
# library is missing.
validate_sboms() {
  local packages sboms=() package
  packages=$(grep -v "/$HELLO_PACKAGE_NAME-$HELLO_VERSION\.tar\.gz\$" "$HELLO_PACKAGES/made.txt")
  while read -r package; do
    [ -f "$package.cdx.json" ] || { echo "no SBOM beside $package"; return 1; }
    sboms+=("$package.cdx.json")
  done <<<"$packages"
  printf '%s\n' "${sboms[@]}" >"$BATS_TEST_TMPDIR/sboms"
  needs node nodejs
  run node "$BATS_TEST_DIRNAME/sbom.cjs" "${sboms[@]}"
  [ "$status" -ne 3 ] || skip "$output"
  [ "$status" -eq 0 ] || { echo "$output"; return 1; }
  echo "$output" >"$components"
}
components=$BATS_TEST_TMPDIR/components

@test "every binary package has its SBOM beside it, a valid CycloneDX document" {
  validate_sboms
}

@test "each SBOM names what the program carries, in the toolchain's versions, or the libraries it loads" {
  local expected sbom
  validate_sboms
  expected=$(expected_components)
  [ -n "$expected" ]
  while read -r sbom; do
    diff <(echo "$expected") <(grep -F "$sbom " "$components" | sed 's/.* //' | sort) ||
      { echo "$sbom names other components than the program's, above"; return 1; }
  done <"$BATS_TEST_TMPDIR/sboms"
}
