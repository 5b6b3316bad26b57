# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Shared set-up of the configure checks.
# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

# Writes compiler $1: this build's compiler, except that it refuses (as a
# linker would) any argument that matches case pattern $2.
write_refusing_compiler() {
  # shellcheck disable=SC2016 # the wrapper's own $arg and $@
  printf '#!/bin/sh\nfor arg; do case $arg in %s) echo "ld: unrecognized option $arg" >&2; exit 1;; esac; done\nexec "%s" "$@"\n' \
    "$2" "$HELLO_CXX" >"$1" && chmod +x "$1"
}
