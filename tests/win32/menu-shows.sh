#!/usr/bin/env bash
# menu-shows.sh GAME WINDOW_PIXELS: the program starts, shows its menu, and ends by "&EXIT".
source "$(dirname "$0")/../e2e/lib.sh"
setup "${1:-}" "${2:-}"
start_game
menu=$(wait_window "$MENU") || exit 1
quit
