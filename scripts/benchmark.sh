#!/usr/bin/env bash
# Measures what the game costs. Start-up: the Linux program against a bare Qt window with the
# menu's texts in the same faces and style (tools/benchmark/qt-window), started in turn on a
# private X server, each run measured until its window is on screen and the process sleeps;
# the median of the per-pair ratios of CPU time and of peak memory, printed beside the same
# ratios for a bare FLTK window and a GTK 3 window of the same texts, which are figures only.
# Idle: for the Linux program (also with an accessibility bus running, so that the bridge to
# it is loaded) and for the Windows program under Wine (left out with
# TTT_BENCHMARK_LINUX_ONLY=1), it opens the two-player window, leaves it alone for a few
# seconds, and reads the process's CPU time, context switches (its wake-ups) and peak memory
# from /proc. It also times the headless single-player test suite. Prints each number beside
# its goal; exits 1 when a goal is missed. As root it installs the headers of FLTK and GTK 3
# (libfltk1.3-dev, libgtk-3-dev), which only those two windows need; without them their
# figures are left out.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
windows_build_dir=${TTT_WINDOWS_BUILD_DIR:-$root/build/windows}
idle_seconds=5

startup_pairs=${TTT_BENCHMARK_PAIRS:-15}
# "startup" or "idle" runs only that half; anything else, or nothing, runs both.
part=${1:-all}

linux_only=${TTT_BENCHMARK_LINUX_ONLY:-}
if [ -z "${TTT_BENCHMARK_DISPLAY:-}" ]; then
  for headers in libfltk1.3-dev libgtk-3-dev; do
    if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${db:Status-Abbrev}' "$headers" 2>/dev/null | grep -q '^ii'; then
      DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=1200 install -y \
        --no-install-recommends "$headers" >/dev/null || echo "benchmark: $headers could not be installed"
    fi
  done
  cmake -S "$root" --preset dev -B "$build_dir" >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)" --target orvane-tictactoe window-pixels qt-window >/dev/null
  for extra in fltk-window gtk-window; do
    cmake --build "$build_dir" --parallel "$(nproc)" --target "$extra" >/dev/null 2>&1 || true
  done
  if ! cmake --build "$build_dir" --parallel "$(nproc)" --target singleplayer_tests >/dev/null 2>&1; then
    echo "benchmark: the single-player test suite is not in the build; it will not be timed"
  fi
  if [ "$part" != startup ] && [ -z "$linux_only" ]; then
    cmake -S "$root" --preset windows -B "$windows_build_dir" >/dev/null
    cmake --build "$windows_build_dir" --parallel "$(nproc)" --target orvane-tictactoe host-window-pixels >/dev/null
  fi
  TTT_BENCHMARK_DISPLAY=1 exec "$root/tools/with-xvfb.sh" "$0" "$@"
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

# CPU time in microseconds of a process and all its threads, from the scheduler's own count.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d", n / 1000 }'; }
# startup_sample TITLE COMMAND...: starts COMMAND, waits for its window titled TITLE and then
# for the process to sleep with its CPU time standing still, and prints "CPU_US PEAK_KIB".
startup_sample() {
  local title=$1 pid before after settled=0
  shift
  NO_AT_BRIDGE=1 "$@" >/dev/null 2>&1 &
  pid=$!
  if ! wait_until 20 window_id "$title" >/dev/null; then
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    echo "benchmark: no window \"$title\" from $1" >&2
    return 1
  fi
  after=$(cpu_us "$pid")
  for _ in $(seq 50); do
    before=$after
    sleep 0.1
    after=$(cpu_us "$pid")
    if [ "$after" = "$before" ] && grep -q '^State:.*S (sleeping)' "/proc/$pid/status"; then
      settled=1
      break
    fi
  done
  [ "$settled" = 1 ] || echo "benchmark: $1 was still busy after 5 s" >&2
  echo "$after $(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# compare_startup NAME TITLE COMMAND: runs COMMAND and the bare Qt window in turn, each pair
# in the other order from the last; sets startup_cpu and startup_memory to the medians of the
# pairs' CPU and memory ratios, and adds each pair's figures to $samples.
compare_startup() {
  local name=$1 title=$2 game=$3 pair ours bare cpu_ratios="" memory_ratios=""
  for pair in $(seq "$startup_pairs"); do
    if [ $((pair % 2)) = 1 ]; then
      ours=$(startup_sample "$title" "$game") || return 1
      bare=$(startup_sample "bare Qt window" "$bare_window") || return 1
    else
      bare=$(startup_sample "bare Qt window" "$bare_window") || return 1
      ours=$(startup_sample "$title" "$game") || return 1
    fi
    cpu_ratios+="$(awk -v a="${ours% *}" -v b="${bare% *}" 'BEGIN { print a / b }') "
    memory_ratios+="$(awk -v a="${ours#* }" -v b="${bare#* }" 'BEGIN { print a / b }') "
    samples+="${name// /_} ${ours% *} us ${ours#* } KiB; bare ${bare% *} us ${bare#* } KiB"$'\n'
  done
  startup_cpu=$(tr ' ' '\n' <<<"$cpu_ratios" | grep . | median)
  startup_memory=$(tr ' ' '\n' <<<"$memory_ratios" | grep . | median)
}
# The median of a column of the samples of NAME: 2 for its CPU, 4 its memory, 7 and 9 the bare window's.
sample_median() { grep "^${1// /_} " <<<"$samples" | awk -v column="$2" '{ print $column }' | median; }
within() { awk -v value="$1" -v goal="$2" 'BEGIN { exit !(value <= goal) }' && echo ok || echo MISSED; }

missed=0
# The Linux program's memory ceiling: Qt's libraries alone take about 30 MiB at a bare
# window's start-up (the start-up goal holds the program to 1.1 times that), and the
# two-player window and its name boxes add a little.
linux_mib=40
if [ -n "${TTT_BENCHMARK_ACCESSIBILITY:-}" ]; then
  # Run again by itself below, with an accessibility bus: the bridge is loaded and idle.
  measure "Linux program, accessibility bus running" "$build_dir/orvane-tictactoe" \
    "$build_dir/tools/window-pixels" 9 10 "$linux_mib"
  exit "$missed"
fi
# beside NAME TITLE PROGRAM: the start-up of another window against the bare Qt window, a figure only.
beside() {
  if [ ! -x "$3" ]; then
    echo "  beside it    no $1: its headers are not installed"
    return
  fi
  compare_startup "$1" "$2" "$3" || exit 1
  printf '  beside it    %-16s CPU %.2f x, peak memory %.2f x the bare window (%.0f us, %.0f KiB)\n' \
    "$1:" "$startup_cpu" "$startup_memory" "$(sample_median "$1" 2)" "$(sample_median "$1" 4)"
}
benchmark_startup() {
  local benchmarks=$build_dir/tools/benchmark
  bare_window=$benchmarks/qt-window
  samples=""
  compare_startup program "$MENU" "$build_dir/orvane-tictactoe" || exit 1
  echo "Start-up to the menu on screen, $startup_pairs alternating pairs against the bare Qt window"
  echo "(a Qt Widgets window in the same style with the menu's texts in the same faces):"
  printf '  CPU time     %.2f x the bare window (median of the pairs)   goal: at most 1.2 x   %s\n' \
    "$startup_cpu" "$(within "$startup_cpu" 1.2)"
  printf '  peak memory  %.2f x the bare window (median of the pairs)   goal: at most 1.1 x   %s\n' \
    "$startup_memory" "$(within "$startup_memory" 1.1)"
  [ "$(within "$startup_cpu" 1.2)$(within "$startup_memory" 1.1)" = okok ] || missed=1
  printf '  medians      program %.0f us %.0f KiB, bare window %.0f us %.0f KiB\n' \
    "$(sample_median program 2)" "$(sample_median program 4)" "$(sample_median program 7)" \
    "$(sample_median program 9)"
  beside "bare FLTK window" "bare FLTK window" "$benchmarks/fltk-window"
  beside "GTK 3 window" "bare GTK window" "$benchmarks/gtk-window"
}
[ "$part" = idle ] || benchmark_startup
[ "$part" = startup ] && exit "$missed"

measure "Linux program" "$build_dir/orvane-tictactoe" "$build_dir/tools/window-pixels" 9 10 "$linux_mib"
TTT_BENCHMARK_ACCESSIBILITY=1 "$root/tools/with-accessibility-bus.sh" "$0" "$@" || missed=1
[ -z "$linux_only" ] || exit "$missed"
# Under Wine the process measured is the Windows program itself (Wine's loader runs it in
# place of the script that starts it): its CPU time must stay at zero.
wine_game=$windows_build_dir/benchmark-under-wine.sh
printf '#!/bin/sh\nexec %q %q %q\n' "$root/tools/with-wine.sh" "$windows_build_dir/wine-prefix" \
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
