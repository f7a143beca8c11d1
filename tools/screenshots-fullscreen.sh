#!/bin/bash
# Takes the README's pictures of the machine filling a 1920 x 1080 desktop (F11) and of the help
# window (F1): the game on an X server of its own (Xvfb) with openbox, keys typed through the
# server (xdotool), the screen photographed whole (ImageMagick's import). Every process it starts
# is stopped by its process id at the end.
#
#   tools/screenshots-fullscreen.sh [build folder, default build/debug] [picture folder, default docs]
set -u
build=${1:-build/debug}
out=${2:-docs}
game=$build/src/app/zelslots
source "$(dirname "$0")/desktopsession.sh"

startdisplay 1920x1080
startgame
xdotool windowactivate --sync "$machine"

xdotool key F11; sleep 2
import -window root "$out/fullscreen-1920x1080.png"; echo "$out/fullscreen-1920x1080.png"
xdotool key F11; sleep 1
xdotool key F1; sleep 2
import -window root "$work/screen.png"
convert "$work/screen.png" -crop 620x640+0+0 +repage "$out/help.png"; echo "$out/help.png"
