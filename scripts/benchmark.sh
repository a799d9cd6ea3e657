#!/usr/bin/env bash
# Measures what the idle game costs, for the Linux program (also with an accessibility bus
# running, so that the bridge to it is loaded) and for the Windows program under Wine (left
# out with TTT_BENCHMARK_LINUX_ONLY=1): it opens the two-player window on a private X
# server, leaves it alone for a few seconds, and reads the process's CPU time, context
# switches (its wake-ups) and peak memory from /proc. It also times the headless
# single-player test suite. Prints each number beside its goal; exits 1 when a goal is
# missed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
windows_build_dir=${TTT_WINDOWS_BUILD_DIR:-$root/build/windows}
idle_seconds=5

linux_only=${TTT_BENCHMARK_LINUX_ONLY:-}
if [ -z "${TTT_BENCHMARK_DISPLAY:-}" ]; then
  cmake -S "$root" --preset dev -B "$build_dir" >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)" --target orvane-tictactoe window-pixels >/dev/null
  if ! cmake --build "$build_dir" --parallel "$(nproc)" --target singleplayer_tests >/dev/null 2>&1; then
    echo "benchmark: the single-player test suite is not in the build; it will not be timed"
  fi
  if [ -z "$linux_only" ]; then
    cmake -S "$root" --preset windows -B "$windows_build_dir" >/dev/null
    cmake --build "$windows_build_dir" --parallel "$(nproc)" --target orvane-tictactoe host-window-pixels >/dev/null
  fi
  TTT_BENCHMARK_DISPLAY=1 exec "$root/tests/support/with-xvfb.sh" "$0" "$@"
fi

source "$root/tests/e2e/lib.sh"

# CPU time of the whole process in clock ticks, and its context switches summed over threads.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }
switches() {
  cat /proc/"$GAME_PID"/task/*/status | awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n }'
}
peak_kib() { awk '/^VmHWM/ { print $2 }' "/proc/$GAME_PID/status"; }
verdict() { if [ "$1" -eq 1 ]; then echo "ok"; else echo "MISSED"; fi; }

# measure NAME GAME PIXELS MAX_CPU_PERMILLE MAX_WAKEUPS MAX_PEAK_MIB
measure() {
  local name=$1 max_cpu=$4 max_wakeups=$5 max_mib=$6
  setup "$2" "$3"
  start_game
  menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
  press "$menu" alt+t
  first_box=$(answer_input_box "Ann") || exit 1
  answer_input_box "Bob" "$first_box" >/dev/null || exit 1
  wait_window "TWO PLAYER !" >/dev/null || exit 1

  # Let the window finish drawing, then measure a stretch in which nobody touches it.
  sleep 1
  local ticks_before switches_before ticks wakeups peak cpu_permille
  ticks_before=$(cpu_ticks)
  switches_before=$(switches)
  sleep "$idle_seconds"
  ticks=$(($(cpu_ticks) - ticks_before))
  wakeups=$(($(switches) - switches_before))
  peak=$(peak_kib)
  kill "$GAME_PID" 2>/dev/null
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""

  cpu_permille=$((ticks * 1000 / ($(getconf CLK_TCK) * idle_seconds)))
  local cpu_ok=$((cpu_permille <= max_cpu)) wakeups_ok=$((wakeups <= max_wakeups))
  local memory_ok=$((peak < max_mib * 1024))
  [ "$cpu_ok$wakeups_ok$memory_ok" = 111 ] || missed=1
  echo
  echo "$name: idle two-player window, ${idle_seconds} s untouched:"
  printf '  CPU time     %5d ticks, %d.%d%% of one core    goal: at most %d.%d%%      %s\n' \
    "$ticks" $((cpu_permille / 10)) $((cpu_permille % 10)) $((max_cpu / 10)) $((max_cpu % 10)) \
    "$(verdict "$cpu_ok")"
  printf '  wake-ups     %5d context switches           goal: at most %-9d %s\n' \
    "$wakeups" "$max_wakeups" "$(verdict "$wakeups_ok")"
  printf '  peak memory  %5d KiB (VmHWM)                goal: under %d MiB       %s\n' \
    "$peak" "$max_mib" "$(verdict "$memory_ok")"
}

missed=0
if [ -n "${TTT_BENCHMARK_ACCESSIBILITY:-}" ]; then
  # Run again by itself below, with an accessibility bus: the bridge is loaded and idle.
  measure "Linux program, accessibility bus running" "$build_dir/orvane-tictactoe" \
    "$build_dir/tests/e2e/window-pixels" 9 10 30
  exit "$missed"
fi
measure "Linux program" "$build_dir/orvane-tictactoe" "$build_dir/tests/e2e/window-pixels" 9 10 30
TTT_BENCHMARK_ACCESSIBILITY=1 "$root/tests/support/with-accessibility-bus.sh" "$0" "$@" || missed=1
[ -z "$linux_only" ] || exit "$missed"
# Under Wine the process measured is the Windows program itself (Wine's loader runs it in
# place of the script that starts it): its CPU time must stay at zero.
wine_game=$windows_build_dir/benchmark-under-wine.sh
printf '#!/bin/sh\nexec %q %q %q\n' "$root/tests/support/with-wine.sh" "$windows_build_dir/wine-prefix" \
  "$windows_build_dir/orvane-tictactoe.exe" >"$wine_game"
chmod +x "$wine_game"
measure "Windows program under Wine" "$wine_game" "$windows_build_dir/host/window-pixels" 0 10 100

suite=$build_dir/tests/singleplayer_tests
if [ -x "$suite" ]; then
  start=$(date +%s%N)
  "$suite" >/dev/null
  echo
  echo "Headless single-player suite: $((($(date +%s%N) - start) / 1000000)) ms"
fi
exit "$missed"
