#!/usr/bin/env bash
# A blind player's whole session under the real Orca, by keys: the menu, a two-player game to
# a win, a single-player move and the computer's reply, and the contact box. Each step checks
# what Orca speaks, as the player hears it.
source "$(dirname "$0")/../e2e/lib.sh"  # bounded waits
source "$(dirname "$0")/orca-lib.sh"
GAME=${1:-}
[ -x "$GAME" ] || orca_fail "usage: $0 GAME"
PLACES=("top left" "top middle" "top right" "middle left" "centre" "middle right"
  "bottom left" "bottom middle" "bottom right")

# mark CELL MARK: the digit-row key of CELL (reading order, 1 the top left), and Orca saying
# the mark in its place, unasked.
mark() {
  say_key "$(($1 + 1))"
  expect_spoken "${PLACES[$1]}, $2"
}
# review_row TEXT: Orca's flat review from the top of the window, line by line, until a line
# holds TEXT (a row of the board reads its three cells by place and mark).
review_row() {
  local key=Insert+KP_Home line before
  for line in 1 2 3 4 5 6 7 8 9 10; do
    before=$(wc -l <"$SPOKEN")
    say_key "$key"
    # At the last line Orca says nothing more.
    wait_until 5 eval '[ "$(wc -l <"$SPOKEN")" -gt "$before" ]' || break
    spoken_after "$1" && return
    key=KP_Page_Up
  done
  orca_fail "no line of the flat review read \"$1\""
}
# answer_name PROMPT NAME: the name box is announced with its prompt once; each typed letter
# and a deleted one are echoed, and the text reads back before it is sent.
answer_name() {
  expect_spoken "Orvane'S Tic Tac Toe ! dialog"
  local opened=$SPOKEN_SEEN times
  expect_spoken "text"  # the field, which has the focus
  times=$(sed -n "${opened},${SPOKEN_SEEN}p" "$SPOKEN" | grep -c -F -- "$1")
  [ "$times" -eq 1 ] || orca_fail "the name box's prompt \"$1\" was spoken $times times"
  # Orca cuts a letter's echo short when the next key comes: each echo is heard before the
  # next key, on a busy machine too.
  xdotool type --delay 80 "$2" || orca_fail "cannot type \"$2\""
  expect_spoken "${2: -1}"
  say_key x
  expect_spoken "x"
  say_key BackSpace
  expect_spoken "backspace"
  expect_spoken "x"
  say_key KP_Up
  expect_spoken "$2"
  expect_unspoken "$1"
  say_key Return
}
# message_box TITLE TEXT: the box is read whole, title, text and button; Return closes it.
message_box() {
  expect_spoken "alert $1" 15
  expect_spoken "$2"
  expect_spoken "OK push button"
  say_key Return
}

orca_session "$@"
start_in_session program "$GAME" && PROGRAM_PID=$!

# The menu: its title and the focused button; Tab moves, Orca's own commands answer.
expect_spoken "$MENU frame" 20
expect_spoken "ONE PLAYER push button"
# Orca counts a key pressed twice in quick succession as a double press, with another
# meaning: its commands below are never given twice in a row.
say_key Insert+KP_Enter
expect_spoken "$MENU"
say_key Tab
expect_spoken "TWO PLAYER push button"
say_key KP_Enter
expect_spoken "TWO PLAYER push button"
expect_spoken "Alt+T"

# Two players: five marks by the digit row, the board under review, and the win.
say_key alt+t
answer_name "ENTER ' PLAYER A ' NAME" Ann
answer_name "ENTER ' PLAYER B ' NAME" Bob
expect_spoken "TWO PLAYER ! frame" 15
expect_spoken "NEW GAME push button"
mark 0 X
mark 3 O
mark 1 X
mark 4 O
say_key KP_Enter
expect_spoken "NEW GAME push button"
review_row "top left, X top middle, X top right, empty"
review_row "middle left, O centre, O middle right, empty"
say_key Insert+KP_Begin
expect_spoken "middle left, O"
# None of the review keys placed a mark: X is still to move, and top right still empty.
mark 2 X
message_box "Ann WON !" "Ann Won The Game !"
expect_spoken "NEW GAME push button" 15
say_key alt+e
expect_spoken "$MENU frame" 15

# One player, by the keypad with Num Lock on: the computer's reply is spoken in its place.
say_key alt+o
answer_name "ENTER YOUR NAME" Cy
expect_spoken "SINGLE PLAYER ! frame" 15
expect_spoken "EXIT push button"
say_key Num_Lock
expect_spoken "num lock on"
say_key KP_7  # the top left, by position
expect_spoken "top left, X"
heard_reply() {
  local c
  for c in 1 2 3 4 5 6 7 8; do spoken_after "${PLACES[c]}, O" && return; done
  return 1
}
wait_until 10 heard_reply || orca_fail "the computer's reply was not spoken"
say_key alt+e
expect_spoken "$MENU frame" 15

# The contact box, read whole, and the program's end.
say_key alt+e
message_box "CONTACT !" "Send Your Comments And Suggestions"
wait_until 10 eval '! kill -0 "$PROGRAM_PID" 2>/dev/null' || orca_fail "the program did not end"
wait "$PROGRAM_PID" || orca_fail "the program ended with $?"
