#!/usr/bin/env bash
# soak.sh [SECONDS] [SEED]: drives the real program on a private X server with seeded random
# input for SECONDS (120 by default): clicks anywhere in its windows, moves on the board,
# keys (Return, Space, Escape, Tab, arrows, Alt+letters, cell keys), typing into name boxes,
# title-bar closes and dialog buttons. The same SEED sends the same actions. When the program ends
# normally it is started again. Counts crashes (an end with a non-zero status or a signal,
# sanitizer reports included) and hangs (5 s without the program coming back to wait for
# events), and prints the memory in use at the start and at the end, and the highest peak of
# any instance (each instance starts afresh, so a leak shows as a growing peak). Exits 1 on a
# crash or a hang. Uses the build in $TTT_BUILD_DIR (build/dev by default), building what it
# needs.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
seconds=${1:-120}
seed=${2:-1}

if [ -z "${TTT_SOAK_DISPLAY:-}" ]; then
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$root" --preset dev -B "$build_dir" >/dev/null || exit 1
  fi
  cmake --build "$build_dir" --parallel 2 --target orvane-tictactoe close-window >/dev/null ||
    exit 1
  TTT_SOAK_DISPLAY=1 exec "$root/tools/with-xvfb.sh" "$0" "$@"
fi

# A sanitizer build reports at once and counts as a crash; the font libraries' lifetime
# allocations are not leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/sanitizers/lsan.supp}

game=$build_dir/orvane-tictactoe
close_window=$build_dir/tools/close-window
logs=$(mktemp -d)
RANDOM=$seed
peak=0 actions=0 restarts=0 crashes=0 hangs=0 pid="" memory_start="" memory_end="" instance=0
trap '[ -z "$pid" ] || { kill -KILL "$pid"; wait "$pid"; } 2>/dev/null; rm -rf "$logs"' EXIT

x() { timeout 5 xdotool "$@" >/dev/null 2>&1; }
pick() { local all=("$@"); echo "${all[RANDOM % ${#all[@]}]}"; }
memory_kib() { awk -v field="$1:" '$1 == field { print $2 }' "/proc/$pid/status" 2>/dev/null; }
# The largest peak (VmHWM) of any instance so far.
note_peak() { local now; now=$(memory_kib VmHWM); ((${now:-0} > peak)) && peak=$now; }

start() {
  instance=$((instance + 1))
  "$game" 2>"$logs/$instance.log" &
  pid=$!
}

# Whether the program waits for events now: it sleeps (not stopped, not busy) in poll or
# select.
waiting() {
  local call state
  { read -r call _ <"/proc/$pid/syscall"; } 2>/dev/null || return 0  # gone: not a hang
  state=$(awk '{ sub(/.*\) /, ""); print $1 }' "/proc/$pid/stat" 2>/dev/null)
  [ "$state" = S ] || return 1
  case $call in 7 | 23 | 270 | 271) return 0 ;; *) return 1 ;; esac
}

# A program that does not come back to its event loop within 5 s hangs: it is killed,
# counted, and started again.
check_answering() {
  local tries=50
  until waiting; do
    if ((--tries == 0)); then
      hangs=$((hangs + 1))
      echo "soak: hang after action $actions (instance $instance)" >&2
      kill -KILL "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
      start
      return
    fi
    sleep 0.1
  done
}

# An ended program is started again; an abnormal end counts as a crash and shows its log.
check_alive() {
  kill -0 "$pid" 2>/dev/null && return
  wait "$pid"
  local status=$?
  if [ "$status" -ne 0 ]; then
    crashes=$((crashes + 1))
    echo "soak: crash after action $actions (instance $instance, status $status):" >&2
    tail -n 30 "$logs/$instance.log" >&2
  else
    restarts=$((restarts + 1))
  fi
  start
}

# "ID WIDTH HEIGHT TITLE" of every titled window on screen.
windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    local geometry
    geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null |
      awk '/Geometry/ { sub("x", " ", $2); print $2 }')
    [ -n "$geometry" ] && echo "$id $geometry $(xdotool getwindowname "$id" 2>/dev/null)"
  done | grep -v ' $'
}

# One random action on one random window of the program.
act() {
  local list=() id w h title
  mapfile -t list < <(windows)
  [ ${#list[@]} -gt 0 ] || return
  read -r id w h title <<<"$(pick "${list[@]}")"
  local roll=$((RANDOM % 100))
  if ((roll < 30)); then
    x mousemove --window "$id" $((RANDOM % w)) $((RANDOM % h)) click 1
  elif ((roll < 50)) && [[ $title == *"PLAYER !" ]]; then
    local left=(48 104 168) top=(32 80 128) cell=$((RANDOM % 9)) frame=24
    [[ $title == "SINGLE PLAYER !" ]] && frame=16
    x mousemove --window "$id" $((frame + left[cell % 3] + 16)) $((24 + top[cell / 3] + 16)) click 1
  elif ((roll < 70)); then
    x windowfocus "$id" key --clearmodifiers "$(pick Return space Escape Tab shift+Tab Left Right \
      alt+n alt+e alt+t alt+o alt+x ctrl+v 1 5 9 KP_Home KP_Begin KP_Next)"
  elif ((roll < 85)); then
    x windowfocus "$id" type --delay 1 "$(pick Ann "Zoë & @Bob" "100%s %d" "  " "$RANDOM$RANDOM" \
      "a very long name that goes on and on and on and on and on")"
  elif ((roll < 92)); then
    "$close_window" "$id" 2>/dev/null
  else
    # The bottom right corner of a dialog holds its "OK" button, and "Cancel" in a name box.
    x mousemove --window "$id" $((w - 10 - RANDOM % 190)) $((h - 22)) click 1
  fi
  actions=$((actions + 1))
}

echo "soak: $seconds s with seed $seed, $game"
start
for _ in $(seq 50); do [ -n "$(windows)" ] && break; sleep 0.1; done
memory_start=$(memory_kib VmRSS)
deadline=$((SECONDS + seconds))
while ((SECONDS < deadline)); do
  act
  note_peak
  check_alive
  check_answering
done
check_alive
memory_end=$(memory_kib VmRSS)
echo "soak: actions sent ${actions}, restarts ${restarts}, crashes ${crashes}, hangs ${hangs}"
echo "soak: memory (resident) at start ${memory_start:-?} KiB, at end ${memory_end:-?} KiB;" \
  "peak of any instance ${peak} KiB"
[ "$crashes" -eq 0 ] && [ "$hangs" -eq 0 ]
