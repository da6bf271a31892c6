#!/usr/bin/env bash
# Builds でるぼん and starts it, as the player: what the game needs and the machine lacks is
# installed first, through sudo (see scripts/ensure-packages.sh). No test tool is installed or
# built.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
delvano_ensure_packages "${DELVANO_GAME_PACKAGES[@]}"
delvano_continue_as_user "$PWD/run-game.sh" "$@"
delvano_check_build_folder build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target delvano -j"$(nproc)"
exec build/Delvano/delvano "$@"
