#!/usr/bin/env bash
# Installs the packages `cpack -G DEB` made into a fresh Debian 12 root (debootstrap, from
# the mirror this machine's apt uses) and runs the installed programs there on a copy of
# the example: what a user of a clean machine gets from `apt-get install ./tarvelo_*.deb`.
# Needs root and the mirror; takes a few minutes.
# Usage: tools/try_debian_install.sh [FOLDER_WITH_DEBS]   (default: build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
debs="$(cd "${1:-$here/build}" && pwd)"
shopt -s nullglob
packages=("$debs"/tarvelo_*.deb "$debs"/libkestrine1_*.deb)
if [ ${#packages[@]} -ne 2 ]; then
  echo "error: $debs must hold one tarvelo_*.deb and one libkestrine1_*.deb (cpack -G DEB)" >&2
  exit 2
fi

# The first Debian mirror apt is configured with, in either format of its sources.
mirror=""
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] || continue
  if [[ "$file" == *.sources ]]; then
    mirror="$(awk '/^URIs:/ && $2 ~ /debian\/?$/ { print $2; exit }' "$file")"
  else
    mirror="$(awk '$1 == "deb" && $2 ~ /^http/ && $2 ~ /debian\/?$/ { print $2; exit }' "$file")"
  fi
  [ -n "$mirror" ] && break
done
if [ -z "$mirror" ]; then
  echo "error: no Debian mirror found in /etc/apt/sources.list(.d)" >&2
  exit 2
fi

root="$(mktemp -d /var/tmp/tarvelo-debian.XXXXXX)"
cleanup() {
  umount "$root/proc" 2> /dev/null || true
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

echo "== debootstrap bookworm from $mirror into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.log" 2>&1 ||
  { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
# The programs find their parts through /proc/self/exe.
mount -t proc proc "$root/proc"
mkdir -p "$root/tmp/debs"
cp "${packages[@]}" "$root/tmp/debs/"
cp -r "$here/resources/example" "$root/tmp/example"
in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime "$@"
}

echo "== apt-get install ./$(basename "${packages[0]}") ./$(basename "${packages[1]}")"
in_root apt-get update -qq
in_root sh -c 'cd /tmp/debs && apt-get install -y -qq ./tarvelo_*.deb ./libkestrine1_*.deb' \
  > "$root/tmp/apt.log" 2>&1 || { tail -20 "$root/tmp/apt.log"; exit 1; }
echo "$(grep -c '^Setting up' "$root/tmp/apt.log") packages set up, among them:"
in_root dpkg-query -W tarvelo libkestrine1 qt6-qpa-plugins libqt6widgets6

echo "== tarvelo-cli on the example"
mkdir -p -m 700 "$root/tmp/runtime"
in_root sh -ec 'cd /tmp/example
  tarvelo-cli --version
  tarvelo-cli learn --tm /tmp/memory --source memory/phrases_en.rc --source-language en-US \
    --target memory/phrases_de.rc --target-language de-DE
  tarvelo-cli translate --source example.rc --source-language en-US --target example_de.rc \
    --target-language de-DE --out filled_de.rc --tm /tmp/memory
  status=0
  tarvelo-cli report --source example.rc --source-language en-US --target filled_de.rc \
    --target-language de-DE > report.txt || status=$?
  echo "report: exit status $status, $(wc -l < report.txt) findings"
  head -3 report.txt
  [ "$status" -le 1 ]'

echo "== tarvelo (offscreen)"
in_root tarvelo --version
in_root sh -ec 'cd /tmp/example && tarvelo --quit --source example.rc --source-language en-US \
  --target example_de.rc --target-language de-DE'
echo "== all ran in the fresh Debian 12 root"
