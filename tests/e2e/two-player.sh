#!/usr/bin/env bash
# A two-player game played on the real program: menu, names, a win by "X", the result box,
# a new game, back to the menu, and the end of the program through the contact box.
# Usage: two-player.sh GAME WINDOW_PIXELS (on an X display of its own).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/board.sh"
setup "$@"

start_game
menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
[ "$(visible_titles)" = "ORVANE'S TIC TAC TOE !" ] || fail "the menu is not alone on screen at start"

log "Alt+T opens the two-player game, which asks both names before it shows itself"
press "$menu" alt+t
first_box=$(answer_input_box "Ann") || exit 1
window_gone "TWO PLAYER !" || fail "the two-player window is shown before the names are asked"
answer_input_box "Bob" "$first_box" >/dev/null || exit 1
game=$(wait_window "TWO PLAYER !") || exit 1
window_gone "ORVANE'S TIC TAC TOE !" || fail "the menu stays on screen beside the game"
use_board "$game" 24 24

log "the sides alternate, X first; X completes the top row"
for cell in 0 3 1 4; do
  click_cell "$cell"
  wait_until 5 cell_marked "$cell" || fail "a click on the empty cell $cell placed no mark"
done
# The result box opens over the board, so the board is read once it has gone.
click_cell 2
dismiss "Ann WON !"
for cell in 0 1 2; do
  cell_holds_cross "$cell" || fail "cell $cell does not show the X that Ann placed"
done
for cell in 3 4; do
  cell_holds_nought "$cell" || fail "cell $cell does not show the O that Bob placed"
done
wait_until 5 top_row_struck || fail "no strike line through the top row"

log "a decided board takes no more moves"
click_cell 8
click_cell 5
if wait_until 1 cell_marked 8; then fail "a click after the win placed a mark"; fi
window_gone "Ann WON !" || fail "the win was announced twice"

log "NEW GAME clears the board and gives O the first move"
press "$game" alt+n
wait_until 5 board_empty || fail "NEW GAME left marks on the board"
wait_until 5 eval '! board_struck' || fail "NEW GAME left the strike line on screen"
click_cell 4
wait_until 5 cell_marked 4 || fail "the first click of the new game placed no mark"
cell_holds_nought 4 || fail "the new game did not open with O to move"

log "EXIT goes back to the menu; the window asks the names again when it opens again"
press "$game" alt+e
menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
wait_window_gone "TWO PLAYER !"
press "$menu" alt+t

log "cancelled name boxes give the default names; O wins for PLAYER B"
box=$(wait_window "Orvane'S Tic Tac Toe !") || exit 1
press "$box" Escape
box=$(wait_window "Orvane'S Tic Tac Toe !" "$box") || exit 1
press "$box" Escape
game=$(wait_window "TWO PLAYER !") || exit 1
use_board "$game" 24 24
wait_until 5 board_empty || fail "the reopened window shows marks"
for cell in 0 3 1 4 8; do
  click_cell "$cell"
  wait_until 5 cell_marked "$cell" || fail "a click on the empty cell $cell placed no mark"
done
click_cell 5
dismiss "PLAYER B WON !"
cell_holds_nought 5 || fail "the winning cell does not show O"

log "the menu's EXIT ends the program with the contact box"
press "$game" alt+e
menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
wait_window_gone "TWO PLAYER !"
press "$menu" alt+e
wait_window "CONTACT !" >/dev/null || exit 1
window_gone "ORVANE'S TIC TAC TOE !" || fail "the menu is still on screen behind the contact box"
dismiss "CONTACT !"
expect_exit 0
log "passed"
