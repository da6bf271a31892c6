#!/usr/bin/env bash
# Builds everything and runs every test headless, as the player (what the machine lacks is
# installed first, through sudo; see scripts/ensure-packages.sh). The tests that need no X
# server (the rules, the core, the shell, the dialogs and the game window offscreen) run once
# more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
delvano_ensure_packages "${DELVANO_GAME_PACKAGES[@]}" "${DELVANO_TEST_PACKAGES[@]}"
delvano_continue_as_user "$PWD/run-tests.sh" "$@"
delvano_check_build_folder build
delvano_check_build_folder build-sanitize
export QT_QPA_PLATFORM=offscreen
# Nothing of the desktop the tests were started from is reached: no window, session bus or sound
# server of the player's (the real-desktop tests bring their own). A desktop's DISPLAY had SDL
# try to start a session bus through it, a leak the sanitizers caught.
unset DISPLAY WAYLAND_DISPLAY
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent PULSE_SERVER=/nonexistent
jobs=$(nproc)

# Explicitly on: run-game.sh may have configured the same folder without the tests.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDELVANO_SANITIZE=ON \
  -DBUILD_TESTING=ON >/dev/null
cmake --build build-sanitize -j"$jobs" --target rules_tests core_tests shell_tests dialogs_tests \
  game_window_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L sanitize
