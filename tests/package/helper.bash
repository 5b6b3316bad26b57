# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Shared set-up of the package checks. CTest sets HELLO_PACKAGES (the folder
# package.make filled, with made.txt listing the files) and the build's facts:
# HELLO_PACKAGE_NAME, HELLO_BUILD_DIR, HELLO_SYSTEM and those of ../common.bash.
# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

# The package made whose path ends in $1 (.deb, or /NAME.tar.gz): exactly one.
package_file() {
  local found
  found=$(awk -v suffix="$1" 'substr($0, length($0) - length(suffix) + 1) == suffix' "$HELLO_PACKAGES/made.txt")
  [ -n "$found" ] || { echo "no package *$1 was made" >&2; return 1; }
  [ "$(wc -l <<<"$found")" -eq 1 ] || { echo "more than one *$1: $found" >&2; return 1; }
  echo "$found"
}

# Lint tags and rpmlint findings that need a decision only the project's owner
# can make: the home page and the signing key.
owner_decisions='^(no-url-tag|no-signature)$'

# Fails, listing them, if lines of $1 are findings beyond the owner's decisions.
only_owner_decisions() {
  local others
  others=$(grep -Ev "$owner_decisions" <<<"$1" | grep . || true)
  [ -z "$others" ] || { echo "findings: $others"; return 1; }
}
