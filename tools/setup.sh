#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need (only those
# missing, so that a second run needs no network), then configures and builds with
# Ninja. Sourced by run.sh and test.sh; run with --check it lists the packages that
# are missing and fails when there are any.
set -euo pipefail

TARVELO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARVELO_BUILD="${TARVELO_BUILD:-$TARVELO_ROOT/build}"

# Real package names, as dpkg-query reports them installed: a name that another
# package only provides (libqt6svg6-dev for qt6-svg-dev) never shows as installed
# and would send every run to the network.
tarvelo_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev libcurl4-openssl-dev
  qt6-translations-l10n unicode-data fonts-wine fonts-noto-cjk llvm clang
  gettext translate-toolkit libxml2-utils
  libhunspell-dev hunspell-en-us hunspell-de-de hunspell-fr hunspell-ru
  libpq-dev postgresql
  libmimalloc-dev
  mingw-w64 osslsigncode wine wine64 icoutils xvfb
  python3-jsonschema python3-junitparser python3-yaml git bash-completion help2man man-db
  lintian debootstrap desktop-file-utils appstream shared-mime-info librsvg2-bin
)

# The packages of the list that are not installed, one a line.
tarvelo_missing_packages() {
  local package
  for package in "${tarvelo_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      echo "$package"
    fi
  done
}

tarvelo_install_missing() {
  local missing=()
  mapfile -t missing < <(tarvelo_missing_packages)
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Need root or sudo to install: ${missing[*]}" >&2
      exit 1
    fi
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tarvelo_build() {
  if [ ! -f "$TARVELO_BUILD/build.ninja" ]; then
    cmake -S "$TARVELO_ROOT" -B "$TARVELO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$TARVELO_BUILD" -j "$(nproc)"
}

# Learns the bundled example memory into the memory folder MEMORY with the command
# line tool CLI, once: a stamp beside the database names the phrases learnt, so that
# neither the user's own pairs there nor a second run decide it. A new database, or
# changed phrases, are learnt again.
tarvelo_learn_example_memory() {
  local cli="$1" memory="$2" phrases="$3"
  local stamp="$memory/example-memory.learnt"
  local learnt
  learnt="$(cat "$phrases/phrases_en.rc" "$phrases/phrases_de.rc" | cksum)"
  if [ -f "$memory/Kestrine.db" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$learnt" ]; then
    return 0
  fi
  mkdir -p "$memory"
  local output
  if ! output="$("$cli" learn --source "$phrases/phrases_en.rc" --source-language 1033 \
    --target "$phrases/phrases_de.rc" --target-language 1031 \
    --tm "$memory" --same-text yes 2>&1)"; then
    echo "$output" >&2
    return 1
  fi
  echo "$learnt" > "$stamp"
  echo "Learnt the example memory into $memory."
}

if [ "${BASH_SOURCE[0]}" = "$0" ] && [ "${1:-}" = "--check" ]; then
  missing="$(tarvelo_missing_packages)"
  if [ -n "$missing" ]; then
    echo "Not installed:" $missing >&2
    exit 1
  fi
  echo "Every package is installed."
fi
