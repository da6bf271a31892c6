#!/usr/bin/env bash
# Builds でるぼん and starts it (installing the build's Debian packages first when run as root).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
delvano_ensure_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target delvano -j"$(nproc)"
exec build/Delvano/delvano "$@"
