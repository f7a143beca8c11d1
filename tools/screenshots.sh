#!/bin/bash
# Takes the README's desktop pictures: the game on an X server of its own (Xvfb) with the openbox
# window manager, driven by the mouse through the server (xdotool) and photographed whole
# (ImageMagick's import). Every process it starts is stopped by its process id at the end.
#
#   tools/screenshots.sh [build folder, default build/debug] [picture folder, default docs]
#
# Needs a debug build (it forces reel stops and cards with ZELSLOTS_SCRIPT), xvfb, openbox,
# xdotool and imagemagick.
set -u
build=${1:-build/debug}
out=${2:-docs}
game=$build/src/app/zelslots
source "$(dirname "$0")/desktopsession.sh"

startdisplay 1024x768

# A win of J on line 1, then a gamble won on red (hearts) and one lost on red (clubs); then
# three scatters that start the free spins.
script="$(stop 5),$(stop 5),$(stop 5),$(stop 11),$(stop 6),0.0,0.1,0.3"
script="$script,$(stop 11),$(stop 8),$(stop 13),$(stop 3),$(stop 3),0.0"
startgame ZELSLOTS_SCRIPT="$script"

# Places of what is clicked, in the window at scale 1: the menu bar, then the cabinet under it.
menu() { xdotool mousemove --window "$machine" "$1" 11 click 1; }
press() { xdotool mousemove --window "$machine" "$1" "$(($2 + 22))" click 1; }
# A picture of the screen's top left (the machine's window with its frame, by default).
shot() { sleep "${2:-0.6}"; import -window root "$work/screen.png"; convert "$work/screen.png" -crop "${3:-646x488+0+0}" +repage "$out/$1.png"; echo "$out/$1.png"; }
clickmachine() { press 600 200; }

menu 272; sleep 0.5             # Quick Credit
press 38 421; sleep 6           # bet 1 on 25 lines: the win of line 1
# Line 1 blinks: the picture is taken when its segment between reels 4 and 5 is lit.
for _ in $(seq 20); do
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop 646x488+0+0 +repage "$work/line.png"
  lit=$(convert "$work/line.png" -format '%[fx:p{489,248}.g > 0.8 && p{489,248}.b > 0.8 && p{489,248}.r < 0.3]' info:)
  if [ "$lit" = 1 ]; then cp "$work/line.png" "$out/winline.png"; echo "$out/winline.png"; break; fi
  sleep 0.1
done
press 431 421; sleep 0.5        # GAMBLE
press 383 56                    # RED: hearts
shot gamble 1.0
press 383 56                    # RED: clubs
shot gamble-lost 1.0
sleep 4

# Each window over the machine, after a click on the machine beside it.
menu 35; sleep 1; clickmachine; shot desktop-about
xdotool key Escape; sleep 0.5
menu 105; sleep 1; clickmachine; shot desktop-paytable
xdotool key Escape; sleep 0.5
# The options window is larger than the machine at scale 1: shown with the machine at scale 1.25,
# as "640 X 480  Large" makes it, the machine shows around it.
optionsclick() { xdotool mousemove --window "$(xdotool search --name 'ZEL Options' | head -n1)" "$1" "$2" click 1; }
menu 183; sleep 1; optionsclick 414 383; sleep 0.5; optionsclick 540 462; sleep 1
xdotool mousemove --window "$machine" 228 14 click 1; sleep 1   # Options, in the larger menu bar
xdotool mousemove 785 420 click 1; shot desktop-options 0.8 830x620+0+0
convert "$out/desktop-options.png" -crop 698x515+54+43 +repage "$out/options.png"   # the window alone
optionsclick 414 357; sleep 0.5; optionsclick 540 462; sleep 1

press 38 421                    # the scatters: the feature starts on its own
shot freespins 16
