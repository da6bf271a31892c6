#!/usr/bin/env bash
# CPU use over 10 s and resident memory of the game on its title screen (the banner cartoon
# running), beside an empty Qt window, each under its own Xvfb. Not a test: figures only.
# Usage: bench/run.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
cmake --build "$build" --target delvano delvano_bare_window >/dev/null

measure() {  # name command...
  local name=$1; shift
  local display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  DISPLAY=$display "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 2  # let it start and settle on its first screen
  local hz; hz=$(getconf CLK_TCK)
  local t0; t0=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep "$seconds"
  local t1; t1=$(awk '{print $14 + $15}' /proc/$pid/stat)
  local rss; rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  awk -v n="$name" -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$seconds" -v r="$rss" \
    'BEGIN { printf "%-12s CPU %5.2f %%   RSS %6.1f MiB\n", n, 100 * (b - a) / hz / s, r / 1024 }'
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A copy of the program folder, so the benchmark's settings file does not touch the build's.
cp -r "$build/Delvano" "$scratch/"
measure "delvano" "$scratch/Delvano/delvano"
measure "bare Qt" "$build/bench/delvano_bare_window"
