#!/usr/bin/env bash
# Installs what is missing, builds, and shows Tarvelo on the bundled example.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/tools/setup.sh"
tarvelo_install_missing
tarvelo_build

example="$TARVELO_ROOT/resources/example"
out="${TARVELO_OUT:-$TARVELO_ROOT/out}"
mkdir -p "$out"
"$TARVELO_BUILD/bin/tarvelo-cli" dump "$example/example.rc" --language 1033 > "$out/example-dump.tsv"
echo "Entries of the example script ($example/example.rc):"
cat "$out/example-dump.tsv"
echo
echo "The dump was written to $out/example-dump.tsv"
