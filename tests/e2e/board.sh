# Where the nine cells of a game window are on screen, for the end-to-end scripts. Sourced
# after lib.sh. Cell i is a 33 x 33 pixel label inside the board frame: columns at 48, 104
# and 168 pixels and rows at 32, 80 and 128 pixels from the frame's corner.

CELL_SIZE=33
CELL_LEFTS=(48 104 168)
CELL_TOPS=(32 80 128)
MARK_COLOUR=0000ff    # the marks are drawn in blue
STRIKE_COLOUR=ffff00  # the strike lines are yellow

# use_board WINDOW FRAME_X FRAME_Y: the window whose board the functions below look at.
use_board() {
  BOARD_WINDOW=$1
  FRAME_X=$2
  FRAME_Y=$3
}

cell_x() { echo $((FRAME_X + CELL_LEFTS[$1 % 3])); }
cell_y() { echo $((FRAME_Y + CELL_TOPS[$1 / 3])); }

click_cell() {
  click "$BOARD_WINDOW" $(($(cell_x "$1") + CELL_SIZE / 2)) $(($(cell_y "$1") + CELL_SIZE / 2))
}

cell_marked() {
  [ "$(pixel_count "$BOARD_WINDOW" "$(cell_x "$1")" "$(cell_y "$1")" "$CELL_SIZE" "$CELL_SIZE" "$MARK_COLOUR")" -gt 0 ]
}

cell_mark_runs() {
  pixel_mask "$BOARD_WINDOW" "$(cell_x "$1")" "$(cell_y "$1")" "$CELL_SIZE" "$CELL_SIZE" "$MARK_COLOUR" |
    top_ink_runs
}
cell_holds_nought() { [ "$(cell_mark_runs "$1")" = 1 ]; }
cell_holds_cross() { [ "$(cell_mark_runs "$1")" = 2 ]; }

marked_cells() {
  local cell count=0
  for cell in 0 1 2 3 4 5 6 7 8; do
    if cell_marked "$cell"; then count=$((count + 1)); fi
  done
  echo "$count"
}

board_empty() { [ "$(marked_cells)" -eq 0 ]; }

# Whether any strike line is on screen: yellow anywhere inside the board frame.
board_struck() {
  [ "$(pixel_count "$BOARD_WINDOW" "$FRAME_X" "$FRAME_Y" 241 185 "$STRIKE_COLOUR")" -gt 0 ]
}

# The top row's strike line runs across the middles of cells 0, 1 and 2.
top_row_struck() {
  [ "$(pixel_count "$BOARD_WINDOW" $((FRAME_X + 48)) $((FRAME_Y + 46)) 144 5 "$STRIKE_COLOUR")" -ge 100 ]
}
