#!/usr/bin/env bash
# Installs what is missing, builds Quillgrid into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${QUILLGRID_BUILD_PACKAGES[@]}"
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/src/quillgrid "$@"
