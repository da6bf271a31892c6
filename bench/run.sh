#!/usr/bin/env bash
# The game's costs, each under its own Xvfb without a window manager. Not a test: figures only.
# - CPU use over `seconds` and resident memory on the title screen (the banner cartoon running),
#   beside an empty Qt window, and one that loads a sound effect;
# - start-up to the first window (mapped, and painted), the median of 21 starts;
# - in a game, with SDL's virtual controller plugged in: idle CPU without it and with it left
#   alone, how soon it is in use, and how long a press takes to reach the key handlers.
# Given another build's program folder (say the main branch's build/Delvano) as baseline, the
# first two are measured for it too, side by side, the starts taken in turns.
# Usage: bench/run.sh [build-dir] [seconds] [baseline-program-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
baseline=${3:-}
cmake --build "$build" --target delvano delvano_bare_window delvano_first_window \
  delvano_controller_bench >/dev/null

with_display() {  # command...
  # A display nobody holds: others may be running their own X servers on this machine.
  local n=$((90 + RANDOM % 9))
  while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  local display=:$n
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  DISPLAY=$display "$@" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}

measure() {  # name command...
  local name=$1; shift
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 2  # let it start and settle on its first screen
  local hz; hz=$(getconf CLK_TCK)
  local t0; t0=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep "$seconds"
  local t1; t1=$(awk '{print $14 + $15}' /proc/$pid/stat)
  local rss; rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v n="$name" -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$seconds" -v r="$rss" \
    'BEGIN { printf "%-12s CPU %5.2f %%   RSS %6.1f MiB\n", n, 100 * (b - a) / hz / s, r / 1024 }'
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Copies of the program folders, so the benchmark's settings files touch neither build's.
cp -r "$build/Delvano" "$scratch/"
cp "$build/bench/delvano_controller_bench" "$scratch/Delvano/"
programs=("$scratch/Delvano/delvano")
if [ -n "$baseline" ]; then
  cp -r "$baseline" "$scratch/baseline"
  programs+=("$scratch/baseline/delvano")
fi

echo "Idle on the title screen, no controller:"
with_display measure "delvano" "${programs[0]}"
[ -n "$baseline" ] && with_display measure "baseline" "${programs[1]}"
with_display measure "bare Qt" "$build/bench/delvano_bare_window"
with_display measure "bare + WAV" "$build/bench/delvano_bare_window" "$scratch/Delvano/Dig.wav"

echo "Start-up to the first window:"
with_display "$build/bench/delvano_first_window" 21 "${programs[@]}"

echo "With a controller:"
with_display "$scratch/Delvano/delvano_controller_bench" "$seconds"
