#!/usr/bin/env bash
# Makes every package into build/packages/, each from the build it belongs to,
# and each build only after its tests pass:
#   Debian and RPM packages    the dynamic build (distributions patch its libraries)
#   Linux tar archive, source  the static default (runs on any Linux of its architecture)
#   Windows zip                the static MinGW-w64 build
set -euo pipefail
cd "$(dirname "$0")/.."
for workflow in packages-system packages-portable packages-windows; do
  cmake --workflow --preset "$workflow"
done
ls build/packages/*.*
