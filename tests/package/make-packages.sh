#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Usage: make-packages.sh FOLDER
# Makes the packages of the build in HELLO_BUILD_DIR into the new FOLDER and
# lists the files made in FOLDER/made.txt. HELLO_FORMATS names them, separated
# by commas: CPack generators (TGZ, ZIP, DEB, RPM), and source, which the
# package_source target makes. The source package needs a git checkout:
# elsewhere (a copy of the project) it is left out, saying so.
set -euo pipefail
out=$1
rm -rf "$out" && mkdir -p "$out"
cd "$HELLO_BUILD_DIR"
cached() { sed -n "s/^$1:[A-Z]*=//p" CMakeCache.txt; }
IFS=, read -ra formats <<<"$HELLO_FORMATS"
for format in "${formats[@]}"; do
  if [ "$format" != source ]; then "${CPACK_COMMAND:-cpack}" -G "$format" -B "$out"; continue; fi
  source_dir=$(realpath "$(cached CMAKE_HOME_DIRECTORY)")
  if [ "$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null)" != "$source_dir" ]; then
    echo "source package skipped: this copy of the project is not a git checkout"; continue
  fi
  "${CMAKE_COMMAND:-cmake}" --build . --target package_source
  package=$HELLO_PACKAGE_NAME-$HELLO_VERSION.tar.gz
  cp "$(cached CPACK_PACKAGE_DIRECTORY | grep . || pwd)/$package" "$out/" && echo "-- package: $out/$package"
done | tee "$out/log"
# CPack names each package it made as "CPack: - package: FILE generated.",
# this script the source package as "-- package: FILE".
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p; s/^-- package: //p' "$out/log" >"$out/made.txt"
[ -s "$out/made.txt" ] || { echo "no package was made"; exit 1; }
