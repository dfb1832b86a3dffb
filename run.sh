#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tarvelo on the bundled example: an
# English source script, its partly translated German target and a small memory.
# Without a display it runs the same task headless with tarvelo-cli instead.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/tools/setup.sh"
tarvelo_install_missing
tarvelo_build

example="$TARVELO_ROOT/resources/example"
out="${TARVELO_OUT:-$TARVELO_ROOT/out}"
bin="$TARVELO_BUILD/bin"
cli="$bin/tarvelo-cli"
mkdir -p "$out"

# The working copies: the user's own edits of an earlier run are kept.
cp -n "$example/example.rc" "$out/example.rc"
cp -n "$example/example_de.rc" "$out/example_de.rc"
# What the scripts include, so that the copies compile as the example does.
mkdir -p "$out/res"
cp -n "$example/resource.h" "$example/afxres.h" "$out/"
cp -n "$example/res/Example.ico" "$out/res/Example.ico"

# Qt wants a private runtime folder; a bare root shell has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi

# The example memory, in the memory folder the program uses by default (TM beside it).
memory="$bin/TM"
tarvelo_learn_example_memory "$cli" "$memory" "$example/memory"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Tarvelo on $out/example.rc (English) and $out/example_de.rc (German)."
  exec "$bin/tarvelo" --source "$out/example.rc" --source-language 1033 \
    --target "$out/example_de.rc" --target-language 1031
fi

echo "No display: running the example task headless with tarvelo-cli."
echo
"$cli" dump "$out/example.rc" --language 1033 > "$out/example-dump.tsv"
echo "== Reading the source: $(wc -l < "$out/example-dump.tsv") entries, listed in $out/example-dump.tsv"
echo
echo "== Translating into German, empty items filled from the example memory:"
"$cli" translate --source "$out/example.rc" --source-language 1033 \
  --target "$out/example_de.rc" --target-language 1031 \
  --out "$out/example_de_filled.rc" --tm "$memory" 2>&1 | sed 's/^/   /'
echo
echo "== Checking the translations (format specifications, counts of characters):"
"$cli" check --source "$out/example.rc" --source-language 1033 \
  --target "$out/example_de_filled.rc" --target-language 1031 --translated-only 2>&1 |
  sed 's/^/   /' || true
echo
echo "The output went to $out:"
echo "  example_de_filled.rc      the German target, written with the source's structure"
echo "  example_de_filled.rc.1031 its companion file (verification marks and comments)"
echo "  example-dump.tsv          every entry of the source"
