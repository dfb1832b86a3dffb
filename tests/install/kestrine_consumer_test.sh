#!/usr/bin/env bash
# Builds a small C program against the installed Kestrine, through pkg-config and through
# find_package(Kestrine), and runs both: the installed header, library and package files
# are all another project needs.
# Usage: kestrine_consumer_test.sh BUILD_DIR VERSION
set -euo pipefail
build="$1"
version="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$work/prefix" --component libkestrine > /dev/null
cmake --install "$build" --prefix "$work/prefix" --component libkestrine-dev > /dev/null
# Moved, so that nothing in the files may name the prefix they were installed to.
mv "$work/prefix" "$work/moved"
prefix="$work/moved"
pcdir="$(dirname "$(find "$prefix" -name kestrine.pc)")"
libdir="$(dirname "$pcdir")"

# pkg-config and the compiler, as a Makefile would use them.
export PKG_CONFIG_PATH="$pcdir"
[ "$(pkg-config --modversion kestrine)" = "$version" ] ||
  fail "pkg-config says version $(pkg-config --modversion kestrine)"
# shellcheck disable=SC2046
cc -std=c11 -Wall -Wextra -Werror -o "$work/by_pkg_config" "$here/consumer/kestrine_consumer.c" \
  $(pkg-config --cflags --libs kestrine) || fail "cc with pkg-config's flags"
if [ -x "$work/by_pkg_config" ]; then
  LD_LIBRARY_PATH="$libdir" "$work/by_pkg_config" "$work/memory1" "$version" ||
    fail "the pkg-config build"
  needed="$(objdump -p "$work/by_pkg_config" | awk '$1 == "NEEDED" && /kestrine/ { print $2 }')"
  [ "$needed" = "libkestrine.so.1" ] || fail "the program needs '$needed'"
fi

# A CMake project, asking for this version and then for a later one it must not accept.
major_minor="${version%.*}"
cmake -S "$here/consumer" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DKESTRINE_WANTED="$major_minor" > "$work/cmake.log" 2>&1 || fail "cmake: $(cat "$work/cmake.log")"
cmake --build "$work/cmake" > "$work/build.log" 2>&1 || fail "build: $(cat "$work/build.log")"
[ "$(cat "$work/cmake/found_version.txt" 2>/dev/null)" = "$version" ] ||
  fail "find_package found version '$(cat "$work/cmake/found_version.txt" 2>/dev/null)'"
if [ -x "$work/cmake/kestrine_consumer" ]; then
  LD_LIBRARY_PATH="$libdir" "$work/cmake/kestrine_consumer" "$work/memory2" "$version" ||
    fail "the CMake build"
fi
if cmake -S "$here/consumer" -B "$work/cmake-later" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DKESTRINE_WANTED="$((${version%%.*} + 1)).0" > /dev/null 2>&1; then
  fail "find_package accepted a request for a later major version"
fi

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "built and ran against Kestrine $version from pkg-config and CMake"
