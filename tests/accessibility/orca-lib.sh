# A desktop session with the real Orca screen reader, for walks that play as a blind player
# does: a private X server and window manager, session bus and accessibility bus, a speech
# server that writes each utterance Orca speaks as one line of a file, and Orca itself, all
# under a private HOME. `orca_session "$@"` starts it all; everything started is stopped on
# exit, also on failure. Every wait is bounded (wait_until of tests/e2e/lib.sh).
ORCA_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SESSION_PIDS=()
SPOKEN=""        # the file of utterances, one a line
SPOKEN_SEEN=0    # lines of it that an expectation has already passed over

orca_fail() {
  echo "orca: FAILED: $*" >&2
  if [ -n "$SPOKEN" ] && [ -f "$SPOKEN" ]; then
    echo "orca: everything spoken (a '>' marks what the walk had already heard):" >&2
    awk -v seen="$SPOKEN_SEEN" '{ printf "%s %s\n", (NR <= seen ? ">" : " "), $0 }' "$SPOKEN" >&2
  fi
  exit 1
}

# stop_process PID: asks the process to end, and ends it when it has not within 5 s (Orca,
# stopped while it still talks to a program that has gone, can hang on its way out).
ended() { local state; state=$(ps -o stat= -p "$1" 2>/dev/null); [ -z "$state" ] || [ "${state:0:1}" = Z ]; }
stop_process() {
  # Only a job of this shell still running: a number whose process has ended may be another's.
  [[ " $(jobs -p | tr '\n' ' ') " == *" $1 "* ]] || return 0
  kill "$1" 2>/dev/null || return 0
  wait_until 5 ended "$1" || kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

session_stop() {
  local i
  for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do stop_process "${SESSION_PIDS[i]}"; done
  # TTT_ORCA_TRANSCRIPT=FILE keeps what Orca said, to read a passing walk too.
  [ -z "${TTT_ORCA_TRANSCRIPT:-}" ] || [ -z "$SPOKEN" ] || cp "$SPOKEN" "$TTT_ORCA_TRANSCRIPT"
  [ -z "${SESSION_DIR:-}" ] || rm -rf "$SESSION_DIR"
}

# start_in_session NAME COMMAND...: COMMAND in the background, logged to NAME.log, stopped at exit.
start_in_session() { "${@:2}" >"$SESSION_DIR/$1.log" 2>&1 & SESSION_PIDS+=($!); }

# The speech server's only voice is a module that appends each utterance to $SPOKEN.
start_speech() {
  local conf=$SESSION_DIR/speech
  mkdir -p "$conf/modules"
  SPOKEN=$SESSION_DIR/spoken.txt
  : >"$SPOKEN"
  cat >"$conf/speechd.conf" <<EOF
AddModule "textlog" "sd_generic" "textlog.conf"
DefaultModule textlog
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
  cat >"$conf/modules/textlog.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' '\$DATA' >> $SPOKEN"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "en"
EOF
  export SPEECHD_ADDRESS=unix_socket:$SESSION_DIR/speech.sock
  start_in_session speechd speech-dispatcher -s -C "$conf" -S "$SESSION_DIR/speech.sock" -t 0
  wait_until 10 test -S "$SESSION_DIR/speech.sock" || orca_fail "speech-dispatcher did not start"
}

start_orca() {
  mkdir -p "$SESSION_DIR/orca"
  cp "$ORCA_LIB_DIR/orca-user-settings.conf" "$SESSION_DIR/orca/user-settings.conf"
  start_in_session orca orca -u "$SESSION_DIR/orca" --debug-file "$SESSION_DIR/orca-debug.log"
  expect_spoken "Screen reader on" 90
}

# orca_session "$@": the whole session, ready for a program to be started in it. The
# calling script is run again inside a private HOME, on an X server and buses of its own
# (tools/with-xvfb.sh and with-accessibility-bus.sh), and the first run waits for it.
orca_session() {
  if [ -z "${ORCA_SESSION_HOME:-}" ]; then
    local home status
    home=$(mktemp -d)
    mkdir -p "$home/home" && mkdir -m 0700 "$home/runtime"
    ORCA_SESSION_HOME=$home HOME=$home/home XDG_RUNTIME_DIR=$home/runtime GSETTINGS_BACKEND=memory \
      XDG_CONFIG_HOME=$home/home/.config XDG_DATA_HOME=$home/home/.local/share XDG_CACHE_HOME=$home/home/.cache \
      "$ORCA_LIB_DIR/../../tools/with-xvfb.sh" "$ORCA_LIB_DIR/../../tools/with-accessibility-bus.sh" "$0" "$@"
    status=$?
    rm -rf "$home"
    exit "$status"
  fi
  for needed in icewm xprop xdotool speech-dispatcher orca; do
    command -v "$needed" >/dev/null 2>&1 || orca_fail "$needed is missing (scripts/install-deps.sh installs it)"
  done
  SESSION_DIR=$(mktemp -d -p "$ORCA_SESSION_HOME")
  trap session_stop EXIT
  start_in_session icewm icewm
  wait_until 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || orca_fail "icewm did not start"
  start_speech
  start_orca
}

# say_key KEY...: presses keys as the player does, on whatever window has the focus.
say_key() { xdotool key --delay 60 "$@" || orca_fail "cannot press $*"; }

# spoken_after TEXT: whether a line after the last one heard holds TEXT; if so, it is heard.
spoken_after() {
  local line
  line=$(tail -n +"$((SPOKEN_SEEN + 1))" "$SPOKEN" | grep -n -F -m 1 -- "$1" | cut -d: -f1)
  [ -n "$line" ] || return 1
  SPOKEN_SEEN=$((SPOKEN_SEEN + line))
}
# expect_spoken TEXT [SECONDS]: waits until Orca speaks a line holding TEXT, after whatever
# the walk heard last, so expectations are met in the order they are written.
expect_spoken() { wait_until "${2:-10}" spoken_after "$1" || orca_fail "Orca did not say \"$1\""; }
# expect_unspoken TEXT: nothing spoken after the last line heard holds TEXT.
expect_unspoken() {
  ! tail -n +"$((SPOKEN_SEEN + 1))" "$SPOKEN" | grep -q -F -- "$1" || orca_fail "Orca said \"$1\""
}
