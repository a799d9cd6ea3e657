# What the install test checks of an installed tree: the files a desktop looks for, each as
# its own validator sees it, and the program started from where it was installed. The
# windows carry the class the entry names (the outside-clients walk checks each one).
set -u
ID=example.orvane.TicTacToe
fail() { echo "install: FAILED: $*" >&2; exit 1; }

entry_value() { sed -n "s/^$2=//p" "$1/share/applications/$ID.desktop"; }

# check_tree TREE PREFIX PROGRAM: TREE is where the files of PREFIX were put (DESTDIR
# included), PROGRAM the program's path relative to the prefix.
check_tree() {
  local tree=$1 program=$2/$3 size facts version
  [ -x "$tree/$3" ] || fail "no program at $3 under $tree"
  desktop-file-validate "$tree/share/applications/$ID.desktop" || fail "invalid desktop entry"
  [ "$(entry_value "$tree" Exec)" = "$program" ] ||
    fail "the entry starts $(entry_value "$tree" Exec)"
  [ "$(entry_value "$tree" Icon)" = "$ID" ] || fail "the entry's icon is not $ID"
  [ "$(entry_value "$tree" StartupWMClass)" = OrvaneTicTacToe ] ||
    fail "the entry names the window class $(entry_value "$tree" StartupWMClass)"
  appstreamcli validate --no-net "$tree/share/metainfo/$ID.metainfo.xml" >/dev/null ||
    fail "the AppStream file is invalid"
  version=$("$tree/$3" --version | awk '{ print $NF }')
  grep -q "<release version=\"$version\"" "$tree/share/metainfo/$ID.metainfo.xml" ||
    fail "the AppStream file has no release $version"
  for size in 16 32 48 64 128 256; do
    facts=$("$PROBE" "$tree/share/icons/hicolor/${size}x$size/apps/$ID.png") ||
      fail "no $size-pixel icon"
    case "$(echo $facts) " in
      "width $size height $size opaque "[1-9]*" clear "[1-9]*" block 1 ") ;;
      *) fail "the $size-pixel icon is wrong: $facts" ;;
    esac
  done
  check_man_page "$tree/share/man/man6/orvane-tictactoe.6.gz"
  [ -s "$tree/share/doc/orvane-tictactoe/copyright" ] || fail "no copyright file"
}

# check_man_page PAGE: it renders without warnings, with its name, what opens the links and
# the status of a lost display.
check_man_page() {
  local warnings page phrase
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
  page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$1" 2>/dev/null | tr -s ' \n' '  ')
  for phrase in orvane-tictactoe "xdg-open(1) from the xdg-utils package" "connection to it was lost"; do
    case "$page" in *"$phrase"*) ;; *) fail "the manual page does not say \"$phrase\"" ;; esac
  done
}
