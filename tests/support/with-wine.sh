#!/usr/bin/env bash
# with-wine.sh PREFIX PROGRAM [ARGS...]: runs a Windows program under Wine in the prefix
# PREFIX, which the first call makes (about ten seconds) and every later call reuses. The
# prefix maps the program's font faces to the Liberation Sans and Comic Neue installed here.
# It is a 64-bit Windows, or with TTT_WINE_ARCH=win32 a 32-bit one (Debian's wine32).
# With TTT_WINE_OWN_SERVER=1 the program runs in a private copy of the prefix, with a Wine
# server of its own: Wine binds a server's desktop to the X display of its first program, so
# programs on different displays must not share one. The copy links the prefix's files, so it
# costs no room, except the registry, which Wine rewrites in place and which is copied, so
# that nothing a program sets reaches the prefix or the next program. The copy is set to
# TTT_WINE_DPI dots per inch (96 when not given) and to the Windows version TTT_WINE_VERSION
# (win10 when not given, where this Wine would say Windows 7; win7, win81, ...). In place of
# the program, "--script SCRIPT ARGS..." runs a bash script in the copy, with $WINE to run
# Windows programs there. With TTT_WINE_SILENT_RETRY=1, a run that fails having written nothing
# is made once more (for test programs, which always write).
set -u
if [ $# -lt 2 ]; then
  echo "usage: with-wine.sh PREFIX PROGRAM [ARGS...]" >&2
  exit 2
fi
prefix=$1
shift
case ${TTT_WINE_ARCH:=win64} in
  win64) wine=$(command -v wine64 || echo /usr/lib/wine/wine64) package=wine64 ;;
  win32) wine=/usr/lib/wine/wine package=wine32:i386 ;;
  *) echo "with-wine: TTT_WINE_ARCH is win64 or win32, not $TTT_WINE_ARCH" >&2; exit 2 ;;
esac
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ ! -x "$wine" ]; then
  echo "with-wine: Wine is not installed (apt-get install $package)" >&2
  exit 1
fi
export WINEPREFIX=$prefix WINEARCH=$TTT_WINE_ARCH WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and Wine would offer to download them. No menu
# builder either, which would put the shortcuts of installed programs on this desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

make_prefix() {
  "$wine" wineboot --init >/dev/null 2>&1 || return 1
  local key='HKCU\Software\Wine\Fonts\Replacements' face target
  for face in "Microsoft Sans Serif=Liberation Sans" "MS Sans Serif=Liberation Sans" \
    "Comic Sans MS=Comic Neue"; do
    target=${face#*=}
    "$wine" reg add "$key" /v "${face%%=*}" /t REG_SZ /d "$target" /f >/dev/null 2>&1 || return 1
  done
  link_fonts || return 1
  "$wineserver" -w 2>/dev/null || true
  touch "$prefix/$ready"
}

# Windows links faces to others that hold the scripts they lack (the FontLink SystemLink
# key): here the program's faces are linked to the Chinese, Arabic, Hebrew and emoji faces
# installed for the tests, as Windows links its own to SimSun, Microsoft YaHei and the rest.
link_fonts() {
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
  local links='wqy-microhei.ttc,WenQuanYi Micro Hei\0NotoSansArabic-Regular.ttf,Noto Sans Arabic\0NotoSansHebrew-Regular.ttf,Noto Sans Hebrew\0NotoColorEmoji.ttf,Noto Color Emoji'
  for face in "Liberation Sans" "Liberation Sans Bold" "Comic Neue" "Comic Neue Bold" "Microsoft Sans Serif" \
    "MS Sans Serif" "Comic Sans MS" "Tahoma"; do
    "$wine" reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$links" /f >/dev/null 2>&1 || return 1
  done
}

# Made by this version of make_prefix: an older prefix is made again.
ready=.ready-linked-fonts
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -e "$prefix/$ready" ]; then
    rm -rf "$prefix"
    make_prefix || { echo "with-wine: could not make the Wine prefix $prefix" >&2; exit 1; }
  fi
) 9>"$prefix.lock" || exit 1
if [ "${TTT_WINE_OWN_SERVER:-}" != 1 ]; then
  exec "$wine" "$@"
fi
copy=$(mktemp -d "$prefix.run-XXXXXX") || exit 1
# The copy's own settings, in one start of Wine's registry tool.
settings() {
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' \
    "${TTT_WINE_DPI:-96}"
  printf '\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n' "${TTT_WINE_VERSION:-win10}"
}
{ cp -al "$prefix/." "$copy/" && rm -f "$copy"/*.reg && cp -p "$prefix"/*.reg "$copy/" &&
  settings >"$copy/drive_c/settings.reg"; } || { rm -rf "$copy"; exit 1; }
export WINEPREFIX=$copy
# The copy's server stays up until the end (Debian's wineserver would leave with its last
# client), so that the program never meets the registry tool's server shutting down.
"$wineserver" -p
if ! "$wine" reg import 'C:\settings.reg' >/dev/null 2>&1; then
  echo "with-wine: could not apply the settings to $copy" >&2
  "$wineserver" -k 2>/dev/null
  rm -rf "$copy"
  exit 1
fi
# run PROGRAM [ARGS...] or run --script SCRIPT [ARGS...]: runs it in the copy, waits for it
# to end, and sets status. A signal to this script goes on to it.
program="" signalled=""
trap 'signalled=1; [ -z "$program" ] || kill "$program" 2>/dev/null' TERM INT HUP
run() {
  if [ "$1" = --script ]; then
    shift
    WINE=$wine bash "$@" &
  else
    "$wine" "$@" &
  fi
  program=$!
  wait "$program"
  status=$?
  # A signal ends the wait early: wait for the program itself to end.
  while kill -0 "$program" 2>/dev/null; do wait "$program"; status=$?; done
}
if [ "${TTT_WINE_SILENT_RETRY:-}" = 1 ]; then
  # About once in a thousand runs here, with many at once, Wine ends a test program with status
  # 1 before anything it wrote reaches its output, leaving nothing to show why. Such a run,
  # and only such a run, is made once more.
  output=$copy.output
  run "$@" >"$output" 2>&1
  if [ "$status" != 0 ] && [ ! -s "$output" ] && [ -z "$signalled" ]; then
    echo "with-wine: the program ended with status $status and wrote nothing; running it once more" >&2
    run "$@" >"$output" 2>&1
  fi
  cat "$output"
  rm -f "$output"
else
  run "$@"
fi
"$wineserver" -k 2>/dev/null
rm -rf "$copy"
exit "$status"
