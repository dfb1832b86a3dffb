#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the whole tree elsewhere, and runs the
# installed programs there: each must find its library, translations and helper relative
# to itself, never in the build tree.
# Usage: relocated_install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source_dir="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$work/staged" > "$work/install.log"
mv "$work/staged" "$work/moved"
prefix="$work/moved"
# The build tree must not be reachable by accident.
export LD_LIBRARY_PATH=
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

# The layout: what goes where, and nothing of the build tree's side-by-side layout.
library="$(find "$prefix" -name 'libkestrine.so.1' -path '*/lib*')"
[ -n "$library" ] || fail "no libkestrine.so.1 under lib"
if [ -n "$library" ]; then
  soname="$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')"
  [ "$soname" = "libkestrine.so.1" ] || fail "SONAME is '$soname'"
  [ -L "$(dirname "$library")/libkestrine.so" ] || fail "no libkestrine.so link beside the library"
fi
for file in bin/tarvelo bin/tarvelo-cli libexec/tarvelo/tarvelo-cli-report \
  include/kestrine/kestrine.h share/tarvelo/translations/tarvelo_1031.qm \
  share/doc/tarvelo/README.md share/doc/tarvelo/continuous-integration.md \
  share/doc/tarvelo/screenshots/main-window.png share/man/man1/tarvelo-cli.1.gz; do
  [ -e "$prefix/$file" ] || fail "missing $file"
done
stray="$(cd "$prefix/bin" && ls | grep -v '^tarvelo$\|^tarvelo-cli$' || true)"
[ -z "$stray" ] || fail "bin holds more than the programs: $stray"

# The command line on a copy of the example: translate (which loads the memory library)
# and report (which runs the helper in libexec).
cp -r "$source_dir/resources/example" "$work/example"
cd "$work/example"
cli="$prefix/bin/tarvelo-cli"
"$cli" learn --tm "$work/memory" --source memory/phrases_en.rc --source-language en-US \
  --target memory/phrases_de.rc --target-language de-DE > "$work/learn.log" 2>&1 ||
  fail "learn: $(cat "$work/learn.log")"
"$cli" translate --source example.rc --source-language en-US --target example_de.rc \
  --target-language de-DE --out filled_de.rc --tm "$work/memory" > "$work/translate.log" 2>&1 ||
  fail "translate: $(cat "$work/translate.log")"
[ -s filled_de.rc ] || fail "translate wrote no script"
status=0
"$cli" report --source example.rc --source-language en-US --target filled_de.rc \
  --target-language de-DE --format json > "$work/report.json" 2> "$work/report.log" || status=$?
# 1 says there are findings; anything else is a failure to report.
[ "$status" -le 1 ] || fail "report ($status): $(cat "$work/report.log")"
python3 -c 'import json, sys; sys.exit(0 if json.load(open(sys.argv[1])) else 1)' \
  "$work/report.json" || fail "report wrote no dialogs: $(cat "$work/report.log")"

# An installed program keeps its memory in the user's data folder, never beside itself:
# on a first start, with items to fill and no memory yet, it opens without a complaint.
timeout 60 "$prefix/bin/tarvelo" --quit --source example.rc --source-language en-US \
  --target example_de.rc --target-language de-DE > "$work/first.log" 2> "$work/first.err" ||
  fail "tarvelo --quit on a first start: $(cat "$work/first.err")"
grep -qx "memory: $XDG_DATA_HOME/tarvelo/TM" "$work/first.log" ||
  fail "the memory is not in the user's data folder: $(cat "$work/first.log")"
[ ! -e "$prefix/bin/TM" ] || fail "a memory folder was made beside the program"
# The window, with the German interface chosen in the user's settings.
printf '[Options]\nLanguage=1031\n' > "$XDG_CONFIG_HOME/Tarvelo.conf"
version="$("$prefix/bin/tarvelo" --version 2>&1)" || fail "tarvelo --version: $version"
[ "${version##* }" = "$(sed -n 's/^project(Tarvelo VERSION \([0-9.]*\).*/\1/p' \
  "$source_dir/CMakeLists.txt")" ] || fail "tarvelo --version says '$version'"
timeout 60 "$prefix/bin/tarvelo" --quit --source example.rc --source-language en-US \
  --target filled_de.rc --target-language de-DE > "$work/window.log" 2> "$work/window.err" ||
  fail "tarvelo --quit: $(cat "$work/window.err")"
grep -q "^window: .*filled_de.rc - Tarvelo$" "$work/window.log" ||
  fail "the window did not open the task: $(cat "$work/window.log")"
grep -q "^menus: Datei " "$work/window.log" ||
  fail "the interface is not German: $(cat "$work/window.log")"
grep -q "^memory library: $prefix/lib.*/libkestrine.so.1$" "$work/window.log" ||
  fail "the memory library is not the installed one: $(cat "$work/window.log")"
# A script handed over as a file manager does (Exec=tarvelo %F) comes up in the Open
# dialog as the source; a missing file is still offered there, to be corrected.
timeout 60 "$prefix/bin/tarvelo" --quit "$work/example/example.rc" > "$work/script.log" \
  2> "$work/script.err" || fail "tarvelo --quit example.rc: $(cat "$work/script.err")"
grep -qx "open dialog source: $work/example/example.rc" "$work/script.log" ||
  fail "the script was not offered as the source: $(cat "$work/script.log")"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "the installed tree works from $prefix"
