# Shared set-up of the package checks. CTest sets HELLO_PACKAGES (the folder
# package.make filled, with made.txt listing the files) and the build's facts:
# HELLO_PACKAGE_NAME, HELLO_SOURCE_DIR, HELLO_BUILD_DIR, HELLO_SYSTEM.

# The package made whose path ends in $1 (.deb, or /NAME.tar.gz): exactly one.
package_file() {
  local found
  found=$(awk -v suffix="$1" 'substr($0, length($0) - length(suffix) + 1) == suffix' "$HELLO_PACKAGES/made.txt")
  [ -n "$found" ] || { echo "no package *$1 was made" >&2; return 1; }
  [ "$(wc -l <<<"$found")" -eq 1 ] || { echo "more than one *$1: $found" >&2; return 1; }
  echo "$found"
}

# Copies the project's files into the new folder $1, as a fresh clone has them.
copy_project() {
  "$CMAKE_COMMAND" -D FROM="$HELLO_SOURCE_DIR" -D TO="$1" -P "$HELLO_SOURCE_DIR/cmake/ProjectFiles.cmake"
}

# Configures the project in folder $1 into folder $2 with this build's
# toolchain; the remaining arguments go to cmake.
configure_copy() {
  local source=$1 build=$2
  shift 2
  "$CMAKE_COMMAND" -S "$source" -B "$build" -G "$HELLO_GENERATOR" -D CMAKE_MAKE_PROGRAM="$HELLO_MAKE_PROGRAM" \
    -D CMAKE_CXX_COMPILER="$HELLO_CXX" "$@" >/dev/null
}

# Lint tags and rpmlint findings that need a decision only the project's owner
# can make: the licence, the home page and the signing key.
owner_decisions='^(no-copyright-file|no-url-tag|invalid-license|no-signature)$'

# Fails, listing them, if lines of $1 are findings beyond the owner's decisions.
only_owner_decisions() {
  local others
  others=$(grep -Ev "$owner_decisions" <<<"$1" | grep . || true)
  [ -z "$others" ] || { echo "findings: $others"; return 1; }
}
