#!/usr/bin/env bash
# Builds でるぼん and starts it (installing what the game needs first when run as root). No test
# tool is installed or built.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
delvano_ensure_packages "${DELVANO_GAME_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target delvano -j"$(nproc)"
exec build/Delvano/delvano "$@"
