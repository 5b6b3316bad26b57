#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The SBOM beside each binary package: a CycloneDX document that the CycloneDX
# library's own validator accepts, naming what the program really carries or
# loads as dpkg records it, each with its purl and licence.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# The SBOMs beside the binary packages made, one a line; fails at a package
# without one.
sboms() {
  local package
  grep -v "/$HELLO_PACKAGE_NAME-$HELLO_VERSION\.tar\.gz\$" "$HELLO_PACKAGES/made.txt" | while read -r package; do
    [ -f "$package.cdx.json" ] || { echo "no SBOM beside $package" >&2; return 1; }
    echo "$package.cdx.json"
  done
}

# The application and the components of SBOM $1, as NAME=VERSION PURL
# LICENCE lines (FIELD-NOTFOUND for one missing), read by CMake's JSON parser.
sbom_components() {
  cat >"$BATS_TEST_TMPDIR/components.cmake" <<'CMAKE'
file(READ "${SBOM}" bom)
string(JSON application GET "${bom}" metadata component)
string(JSON count LENGTH "${bom}" components)
string(JSON bom SET "${bom}" components ${count} "${application}")
foreach(index RANGE ${count})
  set(line "")
  foreach(field IN ITEMS name version purl "licenses;0;expression")
    string(JSON value ERROR_VARIABLE missing GET "${bom}" components ${index} ${field})
    list(APPEND line "${value}")
  endforeach()
  list(POP_FRONT line name version)
  list(JOIN line " " line)
  message("${name}=${version} ${line}")
endforeach()
CMAKE
  cmake -D SBOM="$1" -P "$BATS_TEST_TMPDIR/components.cmake" 2>&1
}

@test "every binary package has its SBOM beside it, a valid CycloneDX document" {
  local list sboms
  list=$(sboms)
  readarray -t sboms <<<"$list"
  needs node nodejs
  run node "$BATS_TEST_DIRNAME/sbom.cjs" "${sboms[@]}"
  [ "$status" -ne 3 ] || skip "$output"
  [ "$status" -eq 0 ] || { echo "$output"; return 1; }
}

@test "each SBOM names what the program carries or loads, as dpkg records it, with its purl and licence" {
  local expected sbom
  needs dpkg-query dpkg
  expected=$({ echo "$HELLO_PACKAGE_NAME=$HELLO_VERSION pkg:generic/$HELLO_PACKAGE_NAME@$HELLO_VERSION MIT"
    expected_components; } | sort)
  for sbom in $(sboms); do
    diff <(echo "$expected") <(sbom_components "$sbom" | sort) ||
      { echo "$sbom names other components than dpkg's, above"; return 1; }
  done
}
