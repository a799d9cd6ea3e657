#!/usr/bin/env bash
# screenshots.sh [FOLDER]: takes the README's pictures from the real program on a private X
# server: the menu, and a two-player game won along the top row. Writes menu.png and
# two-player.png into FOLDER (docs/ by default). Uses the build in $TTT_BUILD_DIR (build/dev
# by default), building what it needs.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
folder=$(realpath -m "${1:-$root/docs}")

if [ -z "${TTT_SCREENSHOTS_DISPLAY:-}" ]; then
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$root" --preset dev -B "$build_dir" >/dev/null || exit 1
  fi
  cmake --build "$build_dir" --parallel 2 --target orvane-tictactoe window-pixels window-png \
    >/dev/null || exit 1
  mkdir -p "$folder" || exit 1
  TTT_SCREENSHOTS_DISPLAY=1 exec "$root/tools/with-xvfb.sh" "$0" "$folder"
fi

source "$root/tests/e2e/lib.sh"
setup "$build_dir/orvane-tictactoe" "$build_dir/tools/window-pixels"
shot() { "$build_dir/tools/window-png" "$1" "$folder/$2" || fail "cannot save $2"; }

start_game
menu=$(wait_window "$MENU") || exit 1
shot "$menu" menu.png
press "$menu" alt+t
first=$(answer_input_box "Ann") || exit 1
answer_input_box "Bob" "$first" >/dev/null || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
play 0 3 1 4 2
dismiss "Ann WON !"
wait_until 5 board_is XXXOO.... || fail "the board reads $(board)"
shot "$WINDOW" two-player.png
leave "$WINDOW" "TWO PLAYER !"
quit
echo "screenshots: wrote $folder/menu.png and $folder/two-player.png"
