# Sourced by the scripts that run the game on a desktop of their own (tools/screenshots.sh,
# tests/a11y.sh): a scratch folder, every process started there stopped by its own process id at
# the end (also when something fails), an X server (Xvfb) that answers, and scripted reel stops.

work=$(mktemp -d)
pids=()

stopall() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null
  done
  rm -rf "$work"
}
trap stopall EXIT

# Starts Xvfb with a screen of the given size (e.g. 1024x768) on a free display, exports DISPLAY
# once the server answers; exits the script (with the server's log) when it does not.
startdisplay() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(head -n1 "$work/display")
  for _ in $(seq 200); do xdpyinfo > /dev/null 2>&1 && return 0; sleep 0.05; done
  echo "no X server answers on $DISPLAY"; cat "$work/xvfb.log"; exit 1
}

# The draw that stops a reel at stop s (1..22), for ZELSLOTS_SCRIPT: the game maps a draw r to
# stop floor(22 r) + 1.
stop() { awk -v s="$1" 'BEGIN { printf "%.4f", (s - 0.5) / 22 }'; }

# Starts the openbox window manager on the display, then the game ($game, with the environment
# entries given, e.g. ZELSLOTS_SCRIPT=...) in a home of the scratch folder's; sets $machine to the
# game's window once it is there.
startgame() {
  XDG_CONFIG_HOME=$work/config openbox --sm-disable 2> "$work/openbox.log" &
  pids+=($!)
  sleep 1
  env XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb "$@" "$game" 2> "$work/game.log" &
  pids+=($!)
  machine=$(xdotool search --sync --classname zelslots | head -n1)
  sleep 1
}
