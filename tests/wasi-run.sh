#!/bin/sh
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Runs a WASI module under Node, as a cross-compiling emulator:
#   wasi-run.sh NODE MODULE.wasm [ARGS...]
# Node opens /dev/null on a standard descriptor it finds closed, which would
# hide the closing from the module, and a /dev/null that the caller opened is
# no different: so say which were closed before Node starts.
node=$1
shift
closed=
for fd in 0 1 2; do
  (: <&"$fd") 2>/dev/null || closed=$closed$fd
done
exec "$node" "$(dirname "$0")/wasi-run.mjs" "--closed=$closed" "$@"
