#!/usr/bin/env bash
# Measures what the idle game costs: it opens the two-player window on a private X server,
# leaves it alone for a few seconds, and reads the process's CPU time, context switches
# (its wake-ups) and peak memory from /proc. It also times the headless single-player test
# suite. Prints each number beside its goal; exits 1 when a goal is missed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build}
idle_seconds=5

if [ -z "${TTT_BENCHMARK_DISPLAY:-}" ]; then
  cmake -S "$root" -B "$build_dir" >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)" --target orvane-tictactoe window-pixels >/dev/null
  if ! cmake --build "$build_dir" --parallel "$(nproc)" --target singleplayer_tests >/dev/null 2>&1; then
    echo "benchmark: the single-player test suite is not in the build; it will not be timed"
  fi
  TTT_BENCHMARK_DISPLAY=1 exec "$root/tests/support/with-xvfb.sh" "$0" "$@"
fi

source "$root/tests/e2e/lib.sh"
setup "$build_dir/orvane-tictactoe" "$build_dir/tests/e2e/window-pixels"

# CPU time of the whole process in clock ticks, and its context switches summed over threads.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }
switches() {
  cat /proc/"$GAME_PID"/task/*/status | awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n }'
}
peak_kib() { awk '/^VmHWM/ { print $2 }' "/proc/$GAME_PID/status"; }

start_game
menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
press "$menu" alt+t
first_box=$(answer_input_box "Ann") || exit 1
answer_input_box "Bob" "$first_box" >/dev/null || exit 1
wait_window "TWO PLAYER !" >/dev/null || exit 1

# Let the window finish drawing, then measure a stretch in which nobody touches it.
sleep 1
ticks_before=$(cpu_ticks)
switches_before=$(switches)
sleep "$idle_seconds"
ticks=$(($(cpu_ticks) - ticks_before))
wakeups=$(($(switches) - switches_before))
peak=$(peak_kib)

hertz=$(getconf CLK_TCK)
cpu_permille=$((ticks * 1000 / (hertz * idle_seconds)))
missed=0
verdict() {
  if [ "$1" -eq 1 ]; then echo "ok"; else echo "MISSED"; fi
}
cpu_ok=$((cpu_permille < 10))
wakeups_ok=$((wakeups <= 10))
memory_ok=$((peak < 30 * 1024))
[ "$cpu_ok$wakeups_ok$memory_ok" = 111 ] || missed=1

echo
echo "Idle two-player window, ${idle_seconds} s untouched:"
printf '  CPU time     %5d ticks, %d.%d%% of one core    goal: under 1%%          %s\n' \
  "$ticks" $((cpu_permille / 10)) $((cpu_permille % 10)) "$(verdict "$cpu_ok")"
printf '  wake-ups     %5d context switches           goal: a handful (<= 10)  %s\n' \
  "$wakeups" "$(verdict "$wakeups_ok")"
printf '  peak memory  %5d KiB (VmHWM)                goal: under 30 MiB       %s\n' \
  "$peak" "$(verdict "$memory_ok")"

suite=$build_dir/tests/singleplayer_tests
if [ -x "$suite" ]; then
  start=$(date +%s%N)
  "$suite" >/dev/null
  echo "  headless single-player suite: $((($(date +%s%N) - start) / 1000000)) ms"
fi
exit "$missed"
