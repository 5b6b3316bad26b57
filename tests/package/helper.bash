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

# The Debian package that installed file $1, by its path or the one it
# resolves to (Debian 12 records libraries under /lib, 13 under /usr/lib, and
# names the diversions of the merged /usr first).
debian_package() {
  dpkg-query -S "$1" "$(realpath -m "$1")" 2>/dev/null | grep -v '^diversion by ' | sed -n '1s/: .*//p'
}

# The Debian source package $2 (a regex) that binary package $1 is built from,
# as "SOURCE VERSION": its own, or one it names as Built-Using (a cross or
# MinGW package, rebuilt from others' sources).
debian_source() {
  local sources
  sources=", $(dpkg-query -W -f '${source:Package} (= ${source:Version}), ${Built-Using}' "$1")"
  [[ $sources =~ ,\ ($2)\ \(=\ ([^\)]+)\) ]] || { echo "$1 is built from no $2: $sources" >&2; return 1; }
  echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

# The runtimes a static build of this toolchain carries, as dpkg records them,
# one a line: NAME VERSION SOURCE PACKAGE LICENCE, where PACKAGE installed the
# library the compiler links, built from Debian source SOURCE at VERSION.
static_runtimes() {
  local name library source licence package
  { case $HELLO_SYSTEM in
      Windows) echo 'mingw-w64 libmingw32.a mingw-w64 ZPL-2.1'
        echo 'winpthreads libwinpthread.a mingw-w64 MIT AND BSD-3-Clause' ;;
      *) echo 'glibc libc.a glibc LGPL-2.1-or-later' ;;
    esac
    echo 'libstdc++ libstdc++.a gcc-[0-9]+ GPL-3.0-or-later WITH GCC-exception-3.1'
  } | while read -r name library source licence; do
    package=$(debian_package "$("$HELLO_CXX" -print-file-name="$library")")
    source=$(debian_source "$package" "$source") || return
    echo "$name ${source#* } ${source% *} $package $licence"
  done
}

# What the program of this build carries inside it or loads, as sorted lines
# NAME=VERSION PURL LICENCE, from dpkg's records: a static build's runtimes by
# their Debian source, a dynamic build's shared libraries as ldd resolves them,
# by the source of the package that installed each.
expected_components() {
  local vendor distro name version source package licence path
  vendor=$(sed -n 's/^ID=//p' /etc/os-release | tr -d '"')
  distro=$vendor-$(sed -n 's/^VERSION_ID=//p' /etc/os-release | tr -d '"')
  if [ "$HELLO_LINKS_STATICALLY" = ON ]; then static_runtimes
  else
    ldd "$HELLO_BUILD_DIR/hello" | grep -o '/[^ ]*' | while read -r path; do
      package=$(debian_package "$path")
      source=$(debian_source "$package" '[^ ]+') || return
      case $source in
        glibc\ *) licence=LGPL-2.1-or-later ;;
        gcc-*) licence='GPL-3.0-or-later WITH GCC-exception-3.1' ;;
        *) licence= ;;
      esac
      echo "${path##*/} ${source#* } ${source% *} $package $licence"
    done
  fi | while read -r name version source package licence; do
    echo "$name=$version pkg:deb/$vendor/$source@${version//+/%2B}?arch=source&distro=$distro $licence"
  done | sort
}

# The archive unpacked in folder $1 holds LICENSE and, where the program is
# static: THIRD-PARTY-NOTICES naming hello's source package and each runtime
# in its Debian version; in LICENSES/, the text of each licence of theirs as
# Debian has it; and their packages' copyright files.
holds_licences() {
  local notice folder runtimes name version source package licence id
  cmp "$HELLO_SOURCE_DIR/LICENSE" "$(find "$1" -name LICENSE)" || return
  [ "$HELLO_LINKS_STATICALLY" = ON ] || return 0
  needs dpkg-query dpkg
  notice=$(find "$1" -name THIRD-PARTY-NOTICES)
  [ -n "$notice" ] || { echo "no THIRD-PARTY-NOTICES in the archive"; return 1; }
  folder=$(dirname "$notice")
  grep -q "$HELLO_PACKAGE_NAME-$HELLO_VERSION\.tar\.gz" "$notice" ||
    { echo "THIRD-PARTY-NOTICES does not name hello's source package"; return 1; }
  runtimes=$(static_runtimes)
  # A runtime's entry begins "NAME VERSION: ".
  diff <(cut -d ' ' -f 1,2 <<<"$runtimes" | sort) <(sed -n 's/^\([^ ][^ ]*\) \([^ ]*\): .*/\1 \2/p' "$notice" | sort) ||
    { echo "THIRD-PARTY-NOTICES names other runtimes than dpkg's, above"; return 1; }
  while read -r name version source package licence; do
    cmp "/usr/share/doc/${package%:*}/copyright" "$folder/copyright/${package%:*}" || return
    for id in ${licence//[()]/}; do
      [[ $id =~ ^(AND|OR|WITH)$ ]] ||
        is_debians_text "$folder/LICENSES/$id.txt" "/usr/share/doc/${package%:*}/copyright" ||
        { echo "LICENSES/$id.txt, a licence of $name, is missing or not Debian's text"; return 1; }
    done
  done <<<"$runtimes"
}

# File $1 is a licence text of /usr/share/common-licenses, or a part of
# copyright file $2, as it is there or as a paragraph of its machine-readable
# format (each line indented by one space, an empty one as " .").
is_debians_text() {
  local text common
  [ -s "$1" ] || return
  for common in /usr/share/common-licenses/*; do cmp -s "$1" "$common" && return; done
  text=$(cat "$1")
  [[ $(cat "$2") == *"$text"* || $(cat "$2") == *"$(sed 's/^/ /; s/^ $/ ./' <<<"$text")"* ]]
}
