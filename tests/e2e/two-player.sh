#!/usr/bin/env bash
# Two people on the real program: names, a win by X, a new game, back to the menu and in again
# with cancelled names, a win by O, and out through the contact box.
source "$(dirname "$0")/lib.sh"
setup "$@"
start_game
menu=$(wait_window "$MENU") || exit 1
[ "$(windows | cut -d' ' -f2-)" = "$MENU" ] || fail "the menu is not alone on screen at start"

# Both names are asked before the window shows, which then replaces the menu.
press "$menu" alt+t
first=$(answer_input_box "Ann") || exit 1
window_gone "TWO PLAYER !" || fail "the game window came before the second name"
answer_input_box "Bob" "$first" >/dev/null || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
window_gone "$MENU" || fail "the menu stays on screen beside the game"

# X moves first, the sides alternate, and the won board takes no more moves.
play 0 3 1 4 2
dismiss "Ann WON !"
click_cell 8
wait_until 5 board_is XXXOO.... || fail "the board reads $(board), not XXXOO...."
[ "$(strike 48 46 144 5)" -ge 100 ] || fail "no strike line through the top row"
window_gone "Ann WON !" || fail "the win was announced twice"

press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
[ "$(strike 0 0 241 185)" -eq 0 ] || fail "NEW GAME left the strike line on screen"
click_cell 4
wait_until 5 board_is ....O.... || fail "the new game did not open with O: $(board)"

# Opened again, the window asks both names again; cancelled, even with a name typed, they are
# the default names.
leave "$WINDOW" "TWO PLAYER !"
press "$menu" alt+t
box=$(wait_window "$ASK") && press "$box" Escape || exit 1
box=$(wait_window "$ASK" "$box") || exit 1
xdotool windowfocus --sync "$box" type --delay 20 Cy && press "$box" Escape || fail "cannot type Cy"
WINDOW=$(wait_window "TWO PLAYER !") || exit 1
play 0 3 1 4 8 5
dismiss "PLAYER B WON !"
board_is XX.OOO..X || fail "the board reads $(board), not XX.OOO..X"

leave "$WINDOW" "TWO PLAYER !"
quit
