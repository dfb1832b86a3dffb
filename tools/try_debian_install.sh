#!/usr/bin/env bash
# Installs the packages `cpack -G DEB` made into a fresh Debian 12 root (debootstrap, from
# the mirror this machine's apt uses) and runs the installed programs there on a copy of
# the example: what a user of a clean machine gets from `apt-get install ./tarvelo_*.deb`.
# With --upgrade-from, the packages of an earlier release go in first: a user translates
# with them and keeps the window open on a task, its memory in use, while the new packages
# are installed over them; the memory and the settings must keep working.
# Needs root and the mirror; takes a few minutes.
# Usage: tools/try_debian_install.sh [FOLDER_WITH_DEBS] [--upgrade-from FOLDER_WITH_OLDER_DEBS]
#        (default: build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
debs="$here/build"
older=""
while [ $# -gt 0 ]; do
  case "$1" in
    --upgrade-from) older="$(cd "${2:?--upgrade-from needs a folder}" && pwd)"; shift 2 ;;
    *) debs="$(cd "$1" && pwd)"; shift ;;
  esac
done
shopt -s nullglob
# The two packages of a folder, or a message and exit status 2.
packages_in() {
  local found=("$1"/tarvelo_*.deb "$1"/libkestrine1_*.deb)
  if [ ${#found[@]} -ne 2 ]; then
    echo "error: $1 must hold one tarvelo_*.deb and one libkestrine1_*.deb (cpack -G DEB)" >&2
    exit 2
  fi
  printf '%s\n' "${found[@]}"
}
mapfile -t packages < <(packages_in "$debs")
[ ${#packages[@]} -eq 2 ] || exit 2
if [ -n "$older" ]; then
  mapfile -t older_packages < <(packages_in "$older")
  [ ${#older_packages[@]} -eq 2 ] || exit 2
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
chmod 755 "$root" # the root's "/", which its users must be able to enter
older_window=""
cleanup() {
  [ -z "$older_window" ] || kill "$older_window" 2> /dev/null || true
  wait 2> /dev/null || true
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
# As the user "translator", who has a home of its own.
in_user() {
  chroot --userspec=translator:translator "$root" env -i PATH=/usr/bin:/bin \
    HOME=/home/translator LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR=/tmp/runtime-translator "$@"
}
# Installs the packages of a folder inside the root, with what they depend on.
install_packages() {
  echo "== apt-get install ./tarvelo_*.deb ./libkestrine1_*.deb from $1"
  in_root sh -c "cd $1 && apt-get install -y -qq ./tarvelo_*.deb ./libkestrine1_*.deb" \
    > "$root/tmp/apt.log" 2>&1 || { tail -20 "$root/tmp/apt.log"; exit 1; }
  echo "$(grep -c '^Setting up' "$root/tmp/apt.log") packages set up, among them:"
  in_root dpkg-query -W tarvelo libkestrine1 qt6-qpa-plugins libqt6widgets6
}

in_root apt-get update -qq
if [ -n "$older" ]; then
  mkdir -p "$root/tmp/older"
  cp "${older_packages[@]}" "$root/tmp/older/"
  install_packages /tmp/older
  in_root useradd --create-home translator
  mkdir -p -m 700 "$root/tmp/runtime-translator"
  in_root chown translator: /tmp/runtime-translator
  cp -r "$here/resources/example" "$root/home/translator/example"
  in_root chown -R translator: /home/translator/example
  # The user's memory in the user's data folder, the German interface in the settings, and
  # the window left open on the task, holding the memory.
  in_user sh -ec 'cd ~/example
    mkdir -p ~/.local/share/tarvelo ~/.config
    printf "[Options]\nLanguage=1031\n" > ~/.config/Tarvelo.conf
    tarvelo-cli learn --tm ~/.local/share/tarvelo/TM --source memory/phrases_en.rc \
      --source-language en-US --target memory/phrases_de.rc --target-language de-DE'
  in_user sh -c 'cd ~/example && exec tarvelo --source example.rc --source-language en-US \
    --target example_de.rc --target-language de-DE' > "$root/tmp/older-window.log" 2>&1 &
  older_window=$!
  sleep 5
  kill -0 "$older_window" 2> /dev/null ||
    { cat "$root/tmp/older-window.log"; echo "error: the older window did not stay open" >&2; exit 1; }
fi
install_packages /tmp/debs
if [ -n "$older" ]; then
  echo "== the memory and settings of the older release, its window still open"
  in_user sh -ec 'cd ~/example
    tarvelo --quit --source example.rc --source-language en-US --target example_de.rc \
      --target-language de-DE > ~/window.log
    cat ~/window.log
    grep -q "^menus: Datei " ~/window.log
    grep -qx "memory: $HOME/.local/share/tarvelo/TM" ~/window.log
    if grep -qx "filled from memory: 0" ~/window.log; then exit 1; fi
    tarvelo-cli tm-search --tm ~/.local/share/tarvelo/TM --source-language en-US \
      --target-language de-DE status'
  kill "$older_window"
  wait "$older_window" 2> /dev/null || true
  older_window=""
  in_user tarvelo-cli tm-search --tm /home/translator/.local/share/tarvelo/TM \
    --source-language en-US --target-language de-DE status > /dev/null ||
    { echo "error: the memory does not answer after the older window closed" >&2; exit 1; }
fi

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
