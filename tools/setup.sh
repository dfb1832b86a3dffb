#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need (only those
# missing), then configures and builds with Ninja. Sourced by run.sh and test.sh.
set -euo pipefail

TARVELO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARVELO_BUILD="${TARVELO_BUILD:-$TARVELO_ROOT/build}"

tarvelo_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqt6svg6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev libcurl4-openssl-dev
  qt6-translations-l10n unicode-data fonts-wine llvm clang
)

tarvelo_install_missing() {
  local missing=()
  for package in "${tarvelo_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
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
