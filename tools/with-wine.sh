#!/usr/bin/env bash
# with-wine.sh PREFIX PROGRAM [ARGS...]: runs a Windows program under Wine in PREFIX, which the
# first call makes and every later call reuses; TTT_WINE_ARCH=win32 makes a 32-bit Windows.
# With TTT_WINE_OWN_SERVER=1 it runs in a private copy of the prefix with a Wine server of its
# own (a server's desktop is bound to one X display), at TTT_WINE_DPI (96) and the Windows
# version TTT_WINE_VERSION (win10); the copy links the prefix's files but copies the registry,
# which Wine rewrites in place. "--script SCRIPT ARGS..." runs a bash script there with $WINE.
# TTT_WINE_SILENT_RETRY=1 makes a run that fails having written nothing once more.
set -u
[ $# -ge 2 ] || { echo "usage: with-wine.sh PREFIX PROGRAM [ARGS...]" >&2; exit 2; }
prefix=$1
shift
case ${TTT_WINE_ARCH:=win64} in
  win64) wine=$(command -v wine64 || echo /usr/lib/wine/wine64) package=wine64 ;;
  win32) wine=/usr/lib/wine/wine package=wine32:i386 ;;
  *) echo "with-wine: TTT_WINE_ARCH is win64 or win32, not $TTT_WINE_ARCH" >&2; exit 2 ;;
esac
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[ -x "$wine" ] || { echo "with-wine: Wine is not installed (apt-get install $package)" >&2; exit 1; }
export WINEPREFIX=$prefix WINEARCH=$TTT_WINE_ARCH WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko (Wine would offer to download them), no menu builder (it would put the
# shortcuts of installed programs on this desktop).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

make_prefix() {
  "$wine" wineboot --init >/dev/null 2>&1 || return 1
  local face
  for face in "Microsoft Sans Serif=Liberation Sans" "MS Sans Serif=Liberation Sans" "Comic Sans MS=Comic Neue"; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /t REG_SZ /d "${face#*=}" /f \
      >/dev/null 2>&1 || return 1
  done
  link_fonts || return 1
  "$wineserver" -w 2>/dev/null || true
  touch "$prefix/$ready"
}

# The program's faces map to Liberation Sans and Comic Neue, and link (as Windows links its own
# to SimSun and the rest) to the Chinese, Arabic, Hebrew and emoji faces installed here.
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
# client), so that the program never meets the registry tool's server shutting down. On a busy
# machine the first start of the registry tool in a copy can fail: it is tried once more.
"$wineserver" -p
if ! "$wine" reg import 'C:\settings.reg' >/dev/null 2>&1 &&
  ! "$wine" reg import 'C:\settings.reg' >"$copy.import" 2>&1; then
  echo "with-wine: could not apply the settings to $copy: $(cat "$copy.import")" >&2
  rm -f "$copy.import"
  "$wineserver" -k 2>/dev/null
  rm -rf "$copy"
  exit 1
fi
rm -f "$copy.import"
# run PROGRAM [ARGS...] | run --script SCRIPT [ARGS...]: runs it in the copy to its end and
# sets status; a signal to this script goes on to it.
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
  # About once in a thousand runs under load, Wine ends a test program before anything it
  # wrote reaches its output: such a run, and only such a run, is made once more.
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
