#!/usr/bin/env bats
# What the toolchain accepts is checked again when the flags that decide it change.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "the static link follows the flags that allow or forbid it, both ways" {
  build=$BATS_TEST_TMPDIR/b
  for flags in '' -fsanitize=address ''; do
    configure "$build" -D CMAKE_EXE_LINKER_FLAGS="$flags"
    if [ -n "$flags" ]; then expected=dynamically; else expected=statically; fi
    grep "hello: linking $expected" "$build.log" || { cat "$build.log"; echo "flags '$flags': not $expected"; return 1; }
  done
  cmake --build "$build" >/dev/null
  is_static "$build/hello"
}
