#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# What the build applied to the program, read back from the file it made: a
# link option that silently stopped working fails here.
#   HELLO_EXPECTED_LINK     static or dynamic, as the preset that configured it expects
#   HELLO_LINKS_STATICALLY  ON when the build linked statically
#   HELLO_START_FILES       a static program's start files: ordinary or static
#   HELLO_EMULATOR          what runs the program, if not this machine
#   HELLO_ELF_HARDENING     what the build applied of: pie relro now
#   HELLO_FORMAT            the executable format (ELF, or another)
#   HELLO_EXPECTED_SANITIZERS  address, undefined: what a sanitized build must carry

bats_require_minimum_version 1.5.0
# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

elf_headers() { "${READELF:-readelf}" --file-header --program-headers --dynamic --wide "$HELLO"; }

@test "the build links as its preset expects" {
  [ -n "${HELLO_EXPECTED_LINK:-}" ] || skip "nothing expected of this build"
  if [ "$HELLO_EXPECTED_LINK" = static ]; then expected=ON; else expected=OFF; fi
  [ "$HELLO_LINKS_STATICALLY" = "$expected" ] ||
    { echo "a $HELLO_EXPECTED_LINK program was expected, but the build did not link so"; return 1; }
  # The presets' GNU toolchains link a static program without the start files
  # that register its frame tables, a cost that grew with GCC 13.
  [ "$HELLO_EXPECTED_LINK/$HELLO_FORMAT" != static/ELF ] || [ "$HELLO_START_FILES" = ordinary ] ||
    { echo "a static ELF program with the ordinary start files was expected, not the $HELLO_START_FILES ones"; return 1; }
}

@test "a static ELF program with the ordinary start files finds its frame tables without registering them" {
  [ "${HELLO_START_FILES:-}" = ordinary ] || skip "not linked with the ordinary start files"
  needs "${READELF:-readelf}" binutils
  run -0 "${READELF:-readelf}" --program-headers --wide "$HELLO"
  grep -Eq ' (GNU_EH_FRAME|(ARM_)?EXIDX) ' <<<"$output" ||
    { echo "$HELLO has no index of its frame tables: nothing it throws could be caught"; return 1; }
  [ -z "${HELLO_EMULATOR:-}" ] || skip "its start-up is traced only where it runs natively"
  needs valgrind valgrind
  valgrind --tool=callgrind --compress-strings=no --callgrind-out-file="$BATS_TEST_TMPDIR/calls" "$HELLO" >/dev/null 2>&1
  grep -qx 'fn=main' "$BATS_TEST_TMPDIR/calls" || skip "$HELLO has no symbols that would name what it calls"
  if grep '^fn=.*__register_frame_info' "$BATS_TEST_TMPDIR/calls"; then
    echo "$HELLO registers its frame tables as it starts"
    return 1
  fi
}

@test "a static build needs no dynamic loader, no DLL beyond Windows' own, no import beyond WASI" {
  [ -n "${HELLO_LINKS_STATICALLY:-}" ] || skip "HELLO_LINKS_STATICALLY is not set (CTest sets it)"
  [ "$HELLO_LINKS_STATICALLY" = ON ] || skip "this build links dynamically"
  case $HELLO_FORMAT/$HELLO_SYSTEM in
    ELF/*) is_static "$HELLO" || { echo "$HELLO is dynamically linked"; return 1; } ;;
    */Windows)
      needs "${OBJDUMP:-objdump}" binutils-mingw-w64-x86-64
      run -0 "${OBJDUMP:-objdump}" -p "$HELLO"
      foreign=$(awk '/DLL Name:/ { print $3 }' <<<"$output" |
        grep -Eiv '^(kernel32|msvcrt|ucrtbase|api-ms-win-.*)\.dll$' || true)
      [ -z "$foreign" ] || { echo "$HELLO needs DLLs that Windows lacks: $foreign"; return 1; } ;;
    */WASI)
      needs node nodejs
      run -0 node -e 'const module = new WebAssembly.Module(require("fs").readFileSync(process.argv[1]));
        console.log([...new Set(WebAssembly.Module.imports(module).map((i) => i.module))].join(" "))' "$HELLO"
      [ "$output" = wasi_snapshot_preview1 ] || { echo "$HELLO imports from: $output"; return 1; } ;;
    *) skip "no check for $HELLO_SYSTEM programs" ;;
  esac
}

@test "a dynamic ELF build is hardened as the build says" {
  [ "$HELLO_FORMAT" = ELF ] && [ -n "$HELLO_ELF_HARDENING" ] || skip "nothing of the kind applied"
  needs "${READELF:-readelf}" binutils
  run -0 elf_headers
  for applied in $HELLO_ELF_HARDENING; do
    case $applied in
      pie) grep -Eq 'Type: +DYN' <<<"$output" && grep -Eq '\(FLAGS_1\).* PIE' <<<"$output" ||
        { echo "not a position-independent executable"; return 1; } ;;
      relro) grep -q ' GNU_RELRO ' <<<"$output" || { echo "no RELRO segment"; return 1; } ;;
      now) grep -Eq '\(FLAGS\).* BIND_NOW' <<<"$output" || { echo "no immediate binding"; return 1; } ;;
    esac
  done
}

# What a program that reads nothing (no input, environment, file, locale or
# terminal) has no call for; a dynamic program shows what it calls.
input_functions='getenv|secure_getenv|setlocale|newlocale|read|readv|pread|pread64|fread|fgets|fgetc|getc|getchar|getline|scanf|fscanf|open|open64|openat|fopen|fopen64|isatty|tcgetattr|ioctl|getopt|getopt_long|_ZSt3cin|_ZNSt6localeC[12]EPKc'

@test "a dynamic program calls nothing that would read input, the environment or a file" {
  [ "$HELLO_FORMAT" = ELF ] && [ "${HELLO_LINKS_STATICALLY:-}" = OFF ] ||
    skip "only a dynamic ELF program shows what it calls"
  needs "${NM:-nm}" binutils
  run -0 "${NM:-nm}" -D --undefined-only "$HELLO"
  called=$(awk '{ sub(/@.*/, "", $NF); print $NF }' <<<"$output" | grep -Ex "$input_functions" || true)
  [ -z "$called" ] || { echo "$HELLO calls: $called"; return 1; }
}

@test "a sanitized build carries the sanitizers it was built for" {
  [ -n "${HELLO_EXPECTED_SANITIZERS:-}" ] || skip "not a sanitized build"
  needs "${NM:-nm}" binutils
  run -0 "${NM:-nm}" -D --undefined-only "$HELLO"
  for sanitizer in $HELLO_EXPECTED_SANITIZERS; do
    case $sanitizer in
      address) grep -q ' __asan_init$' <<<"$output" || { echo "no AddressSanitizer in $HELLO"; return 1; } ;;
      undefined) grep -q ' __ubsan_handle_' <<<"$output" || { echo "no UndefinedBehaviorSanitizer in $HELLO"; return 1; } ;;
    esac
  done
}
