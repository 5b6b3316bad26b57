#!/usr/bin/env bash
# Usage: make-packages.sh FOLDER
# Makes the packages of the build in HELLO_BUILD_DIR with the CPack generators
# in HELLO_GENERATORS (separated by commas), and for a TGZ build the source package,
# into the new FOLDER, and lists the files made in FOLDER/made.txt.
set -euo pipefail
out=$1
rm -rf "$out" && mkdir -p "$out"
cpack=${CPACK_COMMAND:-cpack}
cd "$HELLO_BUILD_DIR"
configs=("CPackConfig.cmake|${HELLO_GENERATORS//,/;}")
[[ ",$HELLO_GENERATORS," != *",TGZ,"* ]] || configs+=("CPackSourceConfig.cmake|TGZ")
for config in "${configs[@]}"; do
  "$cpack" --config "${config%|*}" -G "${config#*|}" -B "$out" | tee -a "$out/cpack.log"
done
# CPack names each package it made: "CPack: - package: FILE generated."
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$out/cpack.log" >"$out/made.txt"
[ -s "$out/made.txt" ] || { echo "cpack made no package"; exit 1; }
