#!/usr/bin/env bash
# windows.sh GAME WINDOW_PIXELS [DPI]: the three windows of the program at the display's DPI:
# titles and client sizes from the layouts' twips, a few pixels at the layouts' places, Escape
# closing nothing, and the menu's close box ending the program through the contact box.
source "$(dirname "$0")/../e2e/lib.sh"
setup "${1:-}" "${2:-}"
dpi=${3:-96}
# px TWIPS: a layout position at the DPI, rounded to the nearest pixel.
px() { echo $((($1 * dpi + 720) / 1440)); }
# size_is WINDOW TWIPS_WIDE TWIPS_HIGH: the client area is the size in twips at the DPI.
size_is() {
  local want got
  want="$(px "$2")x$(px "$3")"
  got=$(xdotool getwindowgeometry "$1" | awk '/Geometry:/ { print $2 }')
  [ "$got" = "$want" ] || fail "window $1 is $got, not $want"
}
# ink_at WINDOW X Y RRGGBB: the pixel there has that colour, once the window is drawn.
has_ink() { [ "$(mask "$1" "$2" "$3" 1 1 "$4")" = "#" ]; }
ink_at() { wait_until 5 has_ink "$@" || fail "no $4 at $2,$3 of window $1"; }

start_game
menu=$(wait_window "$MENU") || exit 1
size_is "$menu" 6150 2460
# The title's red on the black window, left of the first letter's middle.
red_title() { [ "$(mask "$menu" "$(px 120)" "$(px 480)" "$(px 2000)" "$(px 585)" ff0000 | tr -cd '#' | wc -c)" -gt 50 ]; }
wait_until 5 red_title || fail "no red title on the menu"
# Escape closes nothing: the menu still opens a game.
press "$menu" Escape
press "$menu" alt+t
first=$(answer_input_box "A&B %s") || exit 1
answer_input_box "Zoë" "$first" >/dev/null || exit 1
two=$(wait_window "TWO PLAYER !") || exit 1
size_is "$two" 4350 4590
# The red top edge of the board inside the frame, 360 twips in from the window's corner.
ink_at "$two" "$(px $((360 + 1800)))" "$(px $((360 + 360)))" ff0000
leave "$two" "TWO PLAYER !"

press "$menu" alt+o
answer_input_box "Zoe" >/dev/null || exit 1
one=$(wait_window "SINGLE PLAYER !") || exit 1
size_is "$one" 5670 4080
# The orange score box: its top edge at 2160 twips, between 3960 and 5400 across.
ink_at "$one" "$(px 4300)" "$(px 2160)" ff8000
leave "$one" "SINGLE PLAYER !"

# The menu's close box: the contact box comes while the menu is still up, then both go.
press "$menu" alt+F4
wait_window "CONTACT !" >/dev/null || exit 1
window_id "$MENU" >/dev/null || fail "the menu went before the contact box was dismissed"
dismiss "CONTACT !"
wait_gone "$MENU"
wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' && wait "$GAME_PID" || fail "the program did not end with 0"
GAME_PID=""
