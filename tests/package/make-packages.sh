#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Usage: make-packages.sh FOLDER
# Makes the packages of the build in HELLO_BUILD_DIR into the new FOLDER and
# lists the files made in FOLDER/made.txt. HELLO_FORMATS names them, separated
# by commas: CPack generators (TGZ, ZIP, RPM), and deb and source, which the
# package_deb and package_source targets make. The source package needs a git
# checkout: elsewhere (a copy of the project) it is left out, saying so.
set -euo pipefail
out=$1
rm -rf "$out" && mkdir -p "$out"
cd "$HELLO_BUILD_DIR"
IFS=, read -ra formats <<<"$HELLO_FORMATS"
for format in "${formats[@]}"; do
  case $format in
    source) source_dir=$(realpath "$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' CMakeCache.txt)")
      if [ "$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null)" != "$source_dir" ]; then
        echo "source package skipped: this copy of the project is not a git checkout"; continue
      fi ;&
    deb) HELLO_PACKAGE_DIRECTORY=$out "${CMAKE_COMMAND:-cmake}" --build . --target "package_$format" ;;
    *) "${CPACK_COMMAND:-cpack}" -G "$format" -B "$out" ;;
  esac
done | tee "$out/log"
# CPack names each package it made as "CPack: - package: FILE generated.",
# the targets as "-- package: FILE".
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p; s/^-- package: //p' "$out/log" >"$out/made.txt"
[ -s "$out/made.txt" ] || { echo "no package was made"; exit 1; }
