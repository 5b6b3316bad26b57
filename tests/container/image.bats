#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The container image: under the version, one image index listing an image for
# each workflow preset named default or linux-*, each one layer of that
# preset's /hello and its licences alone.

# shellcheck source=../common.bash
source "$BATS_TEST_DIRNAME/../common.bash"

# Unpacks the image once and pairs its images with the presets by program:
#   images  what image.cjs says of each image
#   pairs   WORKFLOW PLATFORM ARCHIVE of each preset and image, "none" for
#           a preset without its image or an image without its preset
setup_file() {
  [ -f "$HELLO_IMAGE" ] || return 0
  export files=$BATS_FILE_TMPDIR
  local platform layer workflow preset name
  mkdir "$files/layout" && tar -xf "$HELLO_IMAGE" -C "$files/layout"
  node "$BATS_TEST_DIRNAME/image.cjs" "$files/layout" >"$files/images"
  while read -r platform _ _ layer _; do
    # A layer without the program, or a preset never built, fails the cases, not this set-up.
    mkdir -p "$files/$platform" && tar -xzf "$layer" -C "$files/$platform" hello || true
    echo "$(sha256sum <"$files/$platform/hello" | cut -c1-64) $platform"
  done <"$files/images" | LC_ALL=C sort >"$files/image-programs"
  node -e 'for (const workflow of JSON.parse(require("fs").readFileSync(process.argv[1])).workflowPresets)
    if (/^(default|linux-.*)$/.test(workflow.name)) console.log(workflow.name, workflow.steps[0].name);' \
    "$HELLO_SOURCE_DIR/CMakePresets.json" | while read -r workflow preset; do
    name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$HELLO_SOURCE_DIR/build/$preset/CPackConfig.cmake" 2>/dev/null) || name=
    if [ -n "$name" ] && [ -f "$HELLO_PACKAGE_DIR/$name.tar.gz" ]; then
      echo "$(tar -xzOf "$HELLO_PACKAGE_DIR/$name.tar.gz" --wildcards '*/bin/hello' | sha256sum | cut -c1-64) $workflow $HELLO_PACKAGE_DIR/$name.tar.gz"
    else
      echo "no-archive-$workflow $workflow none"
    fi
  done | LC_ALL=C sort >"$files/preset-programs"
  LC_ALL=C join -a 1 -a 2 -e none -o 1.2,2.2,1.3 "$files/preset-programs" "$files/image-programs" >"$files/pairs"
}

setup() {
  [ -f "$HELLO_IMAGE" ] && return
  local missing="no image $HELLO_IMAGE: cmake --workflow --preset container makes it"
  [ "${HELLO_REQUIRE_IMAGE:-}" != 1 ] || { echo "$missing"; return 1; }
  skip "$missing"
}

# The archive that the image of platform $1 was made from.
archive_of() { awk -v platform="$1" '$2 == platform { print $3 }' "$files/pairs"; }

@test "skopeo reads the version's image index: one image for each workflow preset named default or linux-*, with its program" {
  skopeo inspect --raw "oci-archive:$HELLO_IMAGE:$HELLO_VERSION" >/dev/null
  # Each preset once, each platform once, none without the other.
  [ -z "$(grep -w none "$files/pairs"; cut -d' ' -f1 "$files/pairs" | sort | uniq -d; cut -d' ' -f2 "$files/pairs" | sort | uniq -d)" ] ||
    { echo "each workflow preset, its image's platform and its archive (cmake --workflow --preset container makes"
      echo "the missing archives and the image again):"; cat "$files/pairs"; return 1; }
}

@test "each image is one root-owned layer of /hello and its archive's licences, run by a user not root, no shell" {
  local platform config layers layer entrypoint user env cmd archive
  while read -r platform config layers layer entrypoint user env cmd _; do
    [[ $platform == "$config" || $platform == "$config"/* ]] || { echo "$platform's image is of $config"; return 1; }
    [ "$layers" = 1 ] && [ "$entrypoint" = '["/hello"]' ] && [ "$env" = '[]' ] && [ "$cmd" = null ] ||
      { echo "$platform: $layers layers, entrypoint $entrypoint, environment $env, command $cmd"; return 1; }
    [[ $user =~ ^([0-9]+)(:[0-9]+)?$ ]] && [ $((10#${BASH_REMATCH[1]})) -ne 0 ] ||
      { echo "$platform runs as $user, not as a user id other than root's"; return 1; }
    archive=$(archive_of "$platform")
    diff <({ echo hello && echo licenses/ && tar -tzf "$archive" |
      sed -n "s|^[^/]*/share/licenses/$HELLO_PACKAGE_NAME/\(.\)|licenses/\1|p"; } | LC_ALL=C sort |
      awk '{ print (/\/$/ ? "drwxr-xr-x" : $0 == "hello" ? "-rwxr-xr-x" : "-rw-r--r--"), "0/0", $0 }') \
      <(tar -tvzf "$layer" | awk '{ print $1, $2, $6 }' | LC_ALL=C sort -k 3) || { echo "in $platform's layer"; return 1; }
  done <"$files/images"
}

@test "each image's program greets and exits 0 on its platform's processor, natively or under qemu-user" {
  local platform architecture variant processor run status missing=()
  while read -r platform _; do
    IFS=/ read -r _ architecture variant <<<"$platform"
    case $architecture in
      amd64) processor=x86_64 ;; arm64) processor=aarch64 ;; 386) processor=i386 ;;
      mipsle | mips64le) processor=${architecture%le}el ;; *) processor=$architecture ;;
    esac
    run=()
    if [ "$processor" != "$(uname -m)" ]; then
      command -v "qemu-$processor" >/dev/null || { missing+=("qemu-$processor"); continue; }
      run=("qemu-$processor")
    fi
    status=0
    "${run[@]}" "$files/$platform/hello" >"$BATS_TEST_TMPDIR/out" 2>"$BATS_TEST_TMPDIR/err" || status=$?
    [ "$status" -eq 0 ] && cmp -s "$BATS_TEST_TMPDIR/out" <(echo "$greeting_line") && [ ! -s "$BATS_TEST_TMPDIR/err" ] ||
      { echo "$platform: status $status, output:"; cat "$BATS_TEST_TMPDIR/out" "$BATS_TEST_TMPDIR/err"; return 1; }
    # ARM's variant is the version of the architecture the program is for.
    [ -z "$variant" ] || [[ $("${READELF:-readelf}" -A "$files/$platform/hello") =~ Tag_CPU_arch:\ $variant ]] ||
      { echo "$platform's hello is for another ARM: $("${READELF:-readelf}" -A "$files/$platform/hello" | grep Tag_CPU_arch:)"; return 1; }
  done <"$files/images"
  [ ${#missing[@]} -eq 0 ] || skip "${missing[*]} not installed here (Debian: apt-get install qemu-user)"
}

@test "the image index and each image state, as one SPDX expression, the licences of what their archives' SBOMs name" {
  local platform licences expected sboms=()
  while read -r platform _ _ _ _ _ _ _ licences; do
    sboms+=("$(archive_of "$platform").cdx.json")
    expected=$(node "$BATS_TEST_DIRNAME/image.cjs" --licences "${sboms[-1]}")
    [ "$licences" = "$expected" ] || { echo "$platform's image states $licences, its SBOM $expected"; return 1; }
  done <"$files/images"
  expected=$(node "$BATS_TEST_DIRNAME/image.cjs" --licences "${sboms[@]}")
  licences=$(skopeo inspect --raw "oci-archive:$HELLO_IMAGE:$HELLO_VERSION" |
    node -p 'JSON.parse(require("fs").readFileSync(0)).annotations["org.opencontainers.image.licenses"]')
  [ "$licences" = "$expected" ] || { echo "the image index states $licences, the SBOMs $expected"; return 1; }
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

@test "the README's commands run the image as shown, with this build's image" {
  needs runc
  [ "$(uname -m)" = x86_64 ] && [ "$(id -u)" = 0 ] || skip "they run the amd64 image as root"
  commands=$(awk '/^    skopeo copy oci-archive:/ { on = 1 } on && !/^    / { exit } on { sub(/^ +/, ""); print }' \
    "$HELLO_SOURCE_DIR/README.md" | sed "s|build/packages/$HELLO_PACKAGE_NAME-$HELLO_VERSION-oci.tar|$HELLO_IMAGE|")
  [ "$(wc -l <<<"$commands")" -eq 4 ] && grep -q "$HELLO_IMAGE" <<<"$commands" || { echo "README: $commands"; return 1; }
  cd "$BATS_TEST_TMPDIR" && bash -ec "$commands" >out 2>err || { cat err; return 1; }
  [ "$(tail -n 1 out)" = "$greeting_line" ] || { cat out err; return 1; }
}

@test "assembled again elsewhere, under another umask, the image is the same file" {
  umask 077
  cmake -D HELLO_SOURCE_DIR="$HELLO_SOURCE_DIR" -D HELLO_PACKAGE_DIR="$HELLO_PACKAGE_DIR" \
    -D HELLO_OUTPUT_DIR="$BATS_TEST_TMPDIR/again" -D HELLO_WORK_DIR="$BATS_TEST_TMPDIR/work" \
    -D HELLO_PACKAGE_NAME="$HELLO_PACKAGE_NAME" -D HELLO_VERSION="$HELLO_VERSION" \
    -D HELLO_RELEASE_EPOCH="$HELLO_RELEASE_EPOCH" -P "$HELLO_SOURCE_DIR/packaging/container.cmake" >/dev/null
  cmp "$HELLO_IMAGE" "$BATS_TEST_TMPDIR/again/$(basename "$HELLO_IMAGE")"
}
