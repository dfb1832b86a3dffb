#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/tools/setup.sh"
tarvelo_install_missing
tarvelo_build
cd "$TARVELO_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
