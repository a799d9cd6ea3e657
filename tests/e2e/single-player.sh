#!/usr/bin/env bash
# A single-player game played on the real program against the computer: the user takes the
# first empty cell until the result box comes, and the score box counts the result once.
# Usage: single-player.sh GAME WINDOW_PIXELS (on an X display of its own).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/board.sh"
setup "$@"

# The two counts of the score box, under "WIN" and under "LOSS", each read inside its cell
# of the orange table so that the table's lines stay out of the picture.
# shellcheck disable=SC2034  # read through score_mask's name reference
WINS=(268 172 40 24)
# shellcheck disable=SC2034
LOSSES=(316 172 40 24)
score_mask() { local -n area=$1; pixel_mask "$game" "${area[@]}"; }

# Whether the computer has answered the user's last move (two more marks than MARKS_BEFORE)
# or the game has ended.
replied_or_ended() {
  window_shown "Tic Tac Toe !" || [ "$(marked_cells)" -ge $((MARKS_BEFORE + 2)) ]
}

# Plays one game: clicks the first empty cell, waits for the computer's reply, and so on
# until the result box is on screen.
play_until_result() {
  local move cell
  for move in 1 2 3 4 5; do
    window_shown "Tic Tac Toe !" && return 0
    MARKS_BEFORE=$(marked_cells)
    for cell in 0 1 2 3 4 5 6 7 8; do
      cell_marked "$cell" || break
    done
    click_cell "$cell"
    wait_until 10 replied_or_ended ||
      fail "after move $move, on cell $cell, neither the computer moved nor the game ended"
  done
  wait_until 5 window_shown "Tic Tac Toe !" || fail "five moves and no result box"
}

start_game
menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
log "Return on the fresh menu presses ONE PLAYER, which has the focus; it asks the name"
press "$menu" Return
answer_input_box "Zoe" >/dev/null || exit 1
game=$(wait_window "SINGLE PLAYER !") || exit 1
use_board "$game" 16 24
score_drawn() { score_mask WINS | grep -q '#' && score_mask LOSSES | grep -q '#'; }
wait_until 5 score_drawn || fail "the score box shows no counts"
wait_until 5 board_empty || fail "the board is not empty at the start"
zero=$(score_mask WINS)
[ "$(score_mask LOSSES)" = "$zero" ] || fail "the two counts do not read the same at the start"
printf '%s\n' "$zero" | reads_one && fail "the start count reads as a 1"

# A tie counts nothing; play again until a game is won or lost.
for game_number in 1 2 3 4 5 6 7 8; do
  log "game $game_number"
  play_until_result
  dismiss "Tic Tac Toe !"
  board_struck && break
  [ "$(marked_cells)" -eq 9 ] || fail "the game ended with neither a line nor a full board"
  if [ "$(score_mask WINS)" != "$zero" ] || [ "$(score_mask LOSSES)" != "$zero" ]; then
    fail "a tie changed the score"
  fi
  press "$game" alt+n
  wait_until 5 board_empty || fail "NEW GAME left marks on the board"
done
board_struck || fail "eight games in a row ended in a tie"

log "exactly one count went from 0 to 1"
score_changed() { [ "$(score_mask WINS)" != "$zero" ] || [ "$(score_mask LOSSES)" != "$zero" ]; }
wait_until 5 score_changed || fail "the result was not counted"
if [ "$(score_mask WINS)" != "$zero" ]; then counted=WINS; other=LOSSES; else counted=LOSSES; other=WINS; fi
score_mask "$counted" | reads_one || fail "the $counted count does not read 1: $(score_mask "$counted" | ink_only | tr '\n' ' ')"
[ "$(score_mask "$other")" = "$zero" ] || fail "both counts changed"

log "a decided game takes no more moves and is announced once"
for cell in 0 1 2 3 4 5 6 7 8; do
  cell_marked "$cell" || { click_cell "$cell"; break; }
done
if wait_until 1 window_shown "Tic Tac Toe !"; then fail "the result was announced again"; fi

log "NEW GAME (clicked) keeps the score; EXIT goes back to the menu, whose EXIT ends the program"
click "$game" 312 72
wait_until 5 board_empty || fail "NEW GAME left marks on the board"
score_mask "$counted" | reads_one || fail "NEW GAME changed the score"
press "$game" alt+e
menu=$(wait_window "ORVANE'S TIC TAC TOE !") || exit 1
wait_window_gone "SINGLE PLAYER !"
press "$menu" alt+e
dismiss "CONTACT !"
expect_exit 0
log "passed"
