#!/usr/bin/env bash
# The installed desktop files, checked by the tools desktops use: the entry by
# desktop-file-validate, the AppStream metadata by appstreamcli, the MIME types by
# update-mime-database, the icons by their PNG headers. The three agree on the types.
# Usage: desktop_integration_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$work/prefix" --component tarvelo > /dev/null
share="$work/prefix/share"
desktop="$share/applications/tarvelo.desktop"
metainfo="$share/metainfo/org.tarvelo.tarvelo.metainfo.xml"
mime="$share/mime/packages/tarvelo.xml"

output="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $output"
[ -z "$output" ] || fail "desktop-file-validate: $output"
grep -qx 'Exec=tarvelo %F' "$desktop" || fail "the entry does not hand files to the program"
output="$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)" ||
  fail "appstreamcli: $output"
grep -q "pedantic\|warning\|info" <<< "$output" && fail "appstreamcli: $output"

# The MIME database as a desktop builds it, with Debian's types beside ours.
mkdir -p "$work/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$mime" "$work/mime/packages/"
output="$(update-mime-database -V "$work/mime" 2>&1)" || fail "update-mime-database: $output"
grep -qi "warning\|error" <<< "$output" && fail "update-mime-database: $output"
for pair in "application/x-tarvelo-project:*.tvx" "text/x-windows-resource-script:*.rc" \
  "text/x-windows-resource-script:*.rc2"; do
  cut -d: -f2- "$work/mime/globs2" | grep -qxF "$pair" || fail "globs2 lacks $pair"
done
# Every type the entry and the metadata name is one the database knows, and the reverse.
defined="$(grep -o 'mime-type type="[^"]*"' "$mime" | cut -d'"' -f2 | sort)"
in_entry="$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)"
in_metainfo="$(grep -o '<mediatype>[^<]*' "$metainfo" | cut -d'>' -f2 | sort)"
[ "$defined" = "$in_entry" ] || fail "entry types [$in_entry] differ from [$defined]"
[ "$defined" = "$in_metainfo" ] || fail "metadata types [$in_metainfo] differ from [$defined]"
for type in $defined; do
  grep -q "^$type\$" "$work/mime/types" || fail "the database does not know $type"
done

# Each icon is a PNG of its folder's size.
for size in 16 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/tarvelo.png"
  dims="$(python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
print("%dx%d" % struct.unpack(">II", data[16:24]))' "$icon" 2>&1)" || dims="unreadable: $dims"
  [ "$dims" = "${size}x${size}" ] || fail "$icon is $dims"
done
[ -f "$share/icons/hicolor/scalable/apps/tarvelo.svg" ] || fail "no scalable icon"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "the desktop entry, MIME types, AppStream metadata and icons are valid and agree"
