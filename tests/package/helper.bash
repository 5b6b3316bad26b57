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

# The value of preprocessor expression $2 where header $1 is included, as
# this build's compiler computes it: the toolchain's own word on a version.
toolchain_says() {
  printf '#include <%s>\n%s\n' "$1" "$2" | "$HELLO_CXX" -E -P -x c++ - | tail -n 1 | tr -d ' '
}

# What the program of this build carries inside it or asks the loader for, as
# sorted NAME=VERSION lines: a static build's runtimes in the versions the
# toolchain reports, a dynamic build's shared libraries (without versions).
expected_components() {
  local gcc
  if [ "$(toolchain_says cstdio __clang__)" = 1 ]; then gcc=$(toolchain_says cstdio _GLIBCXX_RELEASE)
  else gcc=$(toolchain_says cstdio __GNUC__.__GNUC_MINOR__.__GNUC_PATCHLEVEL__); fi
  if [ "$HELLO_LINKS_STATICALLY" != ON ]; then
    "${READELF:-readelf}" --dynamic "$HELLO_BUILD_DIR/hello" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1=/p'
  elif [ "$HELLO_SYSTEM" = Windows ]; then
    echo "mingw-w64=$(toolchain_says _mingw.h __MINGW64_VERSION_MAJOR.__MINGW64_VERSION_MINOR.__MINGW64_VERSION_BUGFIX)"
    echo "winpthreads=$(toolchain_says pthread.h \
      __WINPTHREADS_VERSION_MAJOR.__WINPTHREADS_VERSION_MINOR.__WINPTHREADS_VERSION_PATCHLEVEL)"
    echo "libstdc++=$gcc"
  else
    echo "glibc=$(toolchain_says features.h __GLIBC__.__GLIBC_MINOR__)"
    echo "libstdc++=$gcc"
  fi | sort
}

# The archive unpacked in folder $1 holds LICENSE and, where the program is
# static, THIRD-PARTY-NOTICES naming each runtime it carries, in the version
# the toolchain reports, and no other.
holds_licences() {
  local notice
  cmp "$HELLO_SOURCE_DIR/LICENSE" "$(find "$1" -name LICENSE)" || return
  [ "$HELLO_LINKS_STATICALLY" = ON ] || return 0
  notice=$(find "$1" -name THIRD-PARTY-NOTICES)
  [ -n "$notice" ] || { echo "no THIRD-PARTY-NOTICES in the archive"; return 1; }
  # A runtime's entry begins "NAME VERSION: ".
  diff <(expected_components) <(sed -n 's/^\([^ ][^ ]*\) \([0-9(][^:]*\): .*/\1=\2/p' "$notice" | sort) ||
    { echo "THIRD-PARTY-NOTICES names other runtimes than the program's, above"; return 1; }
}
