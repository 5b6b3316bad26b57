#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The container image: under the version, one image index listing an image for
# every Linux architecture, each one layer of /hello and its licences alone.

# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

# Each OCI platform the image lists, and what readelf says of its program:
# class;machine;flags, as a pattern.
platforms="linux/amd64 ELF64;Advanced Micro Devices X86-64;.*
linux/arm64 ELF64;AArch64;.*
linux/arm/v5 ELF32;ARM;.*soft-float.*
linux/arm/v7 ELF32;ARM;.*hard-float.*
linux/386 ELF32;Intel 80386;.*
linux/mipsle ELF32;MIPS R3000;.*o32.*
linux/mips64le ELF64;MIPS R3000;.*mips64.*
linux/ppc64le ELF64;PowerPC64;.*
linux/s390x ELF64;IBM S/390;.*"

setup() {
  [ -f "$HELLO_IMAGE" ] || { echo "no image $HELLO_IMAGE: cmake --build --preset container makes it"; return 1; }
  layout=$BATS_TEST_TMPDIR/layout
  mkdir -p "$layout" && tar -xf "$HELLO_IMAGE" -C "$layout"
}

@test "skopeo reads the version's image index, which lists every Linux platform" {
  local index listed
  index=$(skopeo inspect --raw "oci-archive:$HELLO_IMAGE:$HELLO_VERSION" | tr -d ' \n')
  listed=$(grep -o '"platform":{[^}]*}' <<<"$index" |
    sed 's/.*"architecture":"\([^"]*\)","os":"\([^"]*\)"\(,"variant":"\([^"]*\)"\)\{0,1\}}/\2\/\1\/\4/; s/\/$//')
  diff <(cut -d' ' -f1 <<<"$platforms" | sort) <(sort <<<"$listed")
}

@test "each image is one root-owned layer of /hello for its platform and its licences, run by a user not root, no shell" {
  local platform layers layer entrypoint user env cmd machine images
  local files='drwxr-xr-x 0/0 .
-rwxr-xr-x 0/0 hello
drwxr-xr-x 0/0 licenses/
-rw-r--r-- 0/0 licenses/LICENSE
-rw-r--r-- 0/0 licenses/THIRD-PARTY-NOTICES'
  images=$(node "$BATS_TEST_DIRNAME/image.cjs" "$layout")
  while read -r platform layers layer entrypoint user env cmd; do
    [ "$layers" = 1 ] && [ "$entrypoint" = '["/hello"]' ] && [ "$env" = '[]' ] && [ "$cmd" = null ] ||
      { echo "$platform: $layers layers, entrypoint $entrypoint, environment $env, command $cmd"; return 1; }
    [[ $user =~ ^([0-9]+)(:[0-9]+)?$ ]] && [ $((10#${BASH_REMATCH[1]})) -ne 0 ] ||
      { echo "$platform runs as $user, not as a user id other than root's"; return 1; }
    diff <(echo "$files") <(tar -tvzf "$layer" | awk '{ print $1, $2, $6 }') || { echo "in $platform's layer"; return 1; }
    mkdir -p "$BATS_TEST_TMPDIR/$platform" && tar -xzf "$layer" -C "$BATS_TEST_TMPDIR/$platform" hello
    machine=$("${READELF:-readelf}" --file-header "$BATS_TEST_TMPDIR/$platform/hello" |
      sed -n 's/^ *\(Class\|Machine\|Flags\): *//p' | paste -sd';')
    pattern=$(grep -F "$platform " <<<"$platforms" | cut -d' ' -f2-)
    [ -n "$pattern" ] && [[ $machine =~ ^$pattern$ ]] || { echo "$platform's hello is $machine"; return 1; }
  done <<<"$images"
  [ "$(wc -l <<<"$images")" -eq "$(wc -l <<<"$platforms")" ]
}

@test "the amd64 image runs under runc: the greeting and status 0, and 1 when its writes fail" {
  needs runc
  [ "$(uname -m)" = x86_64 ] || skip "the amd64 image runs on an x86-64 machine only"
  [ "$(id -u)" = 0 ] || skip "runc runs the image as root here (a rootless runc needs its own set-up)"
  local bundle=$BATS_TEST_TMPDIR/bundle
  skopeo copy --quiet --override-os linux --override-arch amd64 \
    "oci-archive:$HELLO_IMAGE:$HELLO_VERSION" "oci:$BATS_TEST_TMPDIR/amd64:hello"
  umoci unpack --image "$BATS_TEST_TMPDIR/amd64:hello" "$bundle" >/dev/null
  # umoci writes a configuration for a terminal; these runs have none.
  sed -i 's/"terminal": true/"terminal": false/' "$bundle/config.json"
  run_image() { runc --root "$BATS_TEST_TMPDIR/runc" run --bundle "$1" "hello-$$-${1##*/}"; }
  run_image "$bundle" >"$BATS_TEST_TMPDIR/out"
  cmp "$BATS_TEST_TMPDIR/out" <(echo "$greeting_line")
  # runc copies the program's output through a pipe of its own, so a failing
  # standard output of runc's never reaches the program (runc 1.1.15 gives it
  # /dev/null for a closed one): the container's seccomp filter fails its
  # writes to standard output instead, with ENOSPC.
  cp -r "$bundle" "$bundle-full"
  node -e 'const fs = require("fs"), file = process.argv[1], config = JSON.parse(fs.readFileSync(file));
    config.linux.seccomp = {defaultAction: "SCMP_ACT_ALLOW", syscalls: [{names: ["write", "writev"],
      action: "SCMP_ACT_ERRNO", errnoRet: 28, args: [{index: 0, value: 1, op: "SCMP_CMP_EQ"}]}]};
    fs.writeFileSync(file, JSON.stringify(config));' "$bundle-full/config.json"
  status=0
  run_image "$bundle-full" >"$BATS_TEST_TMPDIR/out" 2>"$BATS_TEST_TMPDIR/err" || status=$?
  [ "$status" -eq 1 ] && [ ! -s "$BATS_TEST_TMPDIR/out" ] ||
    { echo "status $status, output:"; cat "$BATS_TEST_TMPDIR/out" "$BATS_TEST_TMPDIR/err"; return 1; }
}

@test "assembled again elsewhere, under another umask, the image is the same file" {
  umask 077
  cmake -D HELLO_PACKAGE_DIR="$HELLO_PACKAGE_DIR" -D HELLO_OUTPUT_DIR="$BATS_TEST_TMPDIR/again" \
    -D HELLO_WORK_DIR="$BATS_TEST_TMPDIR/work" -D HELLO_PACKAGE_NAME="$HELLO_PACKAGE_NAME" \
    -D HELLO_VERSION="$HELLO_VERSION" -D HELLO_RELEASE_EPOCH="$HELLO_RELEASE_EPOCH" \
    -P "$HELLO_SOURCE_DIR/packaging/container.cmake" >/dev/null
  cmp "$HELLO_IMAGE" "$BATS_TEST_TMPDIR/again/$(basename "$HELLO_IMAGE")"
}
