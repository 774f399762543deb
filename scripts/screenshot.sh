#!/usr/bin/env bash
# Makes the picture of TVK at the top of the README, the way a person sees the program on a
# desktop: a two-phase series in the grid, the figure split by a click, a report in the output
# window. TVK runs under a virtual display with the openbox window manager and is driven with
# xdotool, so the picture can be made again whenever the windows change.
#
#   scripts/screenshot.sh [build folder] [picture] [start-up picture]
#   (defaults: build/dev, docs/tvk-windows.png, none)
#
# It also checks what start-up looks like with a window manager: the figure stands beside the
# Data Window, not over it, both on the screen; the third argument keeps a picture of that moment.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/dev}
picture=${2:-docs/tvk-windows.png}
startup_picture=${3:-}
# Room for the Data Window, the figure and the output window side by side.
width=1262
height=510

tools=(Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick xwininfo:x11-utils
  xprop:x11-utils)
missing=()
for tool in "${tools[@]}"; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
[ -x "$build/tvk" ] || { echo "no $build/tvk: build TVK first" >&2; exit 1; }

. scripts/desktop.sh
work=$desktop_work
start_desktop $width $height

# A baseline of eight sessions, then ten sessions of treatment; the phases come from the click.
printf '%s\n' 3 4 3.5 5 4 3 4.5 4 6 7.5 7 8 8.5 7 9 8 9.5 9 > "$work/sessions.txt"
XDG_RUNTIME_DIR="$work" "$build/tvk" "$work/sessions.txt" &
started $!

data=$(window "Data Window")
figure=$(window "Figure")
# The splash closes itself after three seconds.
sleep 4

# Where the client areas are, as X, Y, WIDTH and HEIGHT.
geometry() {
  xwininfo -id "$1" | sed -n -e 's/^ *Absolute upper-left X: *\(-\?[0-9]*\)$/X=\1/p' \
    -e 's/^ *Absolute upper-left Y: *\(-\?[0-9]*\)$/Y=\1/p' \
    -e 's/^ *Width: *\([0-9]*\)$/WIDTH=\1/p' -e 's/^ *Height: *\([0-9]*\)$/HEIGHT=\1/p'
}
eval "$(geometry "$data" | sed 's/^/data_/')"
eval "$(geometry "$figure" | sed 's/^/figure_/')"
echo "Data Window ${data_WIDTH}x${data_HEIGHT} at ${data_X},${data_Y};" \
  "figure ${figure_WIDTH}x${figure_HEIGHT} at ${figure_X},${figure_Y}"
[ -z "$startup_picture" ] || import -window root "$startup_picture"
if [ "$figure_X" -lt $((data_X + data_WIDTH)) ]; then
  echo "the figure overlaps the Data Window" >&2
  exit 1
fi
if [ $((figure_X + figure_WIDTH)) -gt $width ] || [ $((figure_Y + figure_HEIGHT)) -gt $height ]; then
  echo "the figure leaves the screen" >&2
  exit 1
fi

# The windows side by side from the left edge, with room for the output window beside them.
# Window managers read a requested position as the frame's or the client's: ask, look, correct.
frame() { xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g'; }
read -r frame_left frame_right frame_top _ <<<"$(frame "$data")"
place() {
  local x y
  xdotool windowmove --sync "$1" "$2" "$3"
  sleep 0.3
  eval "$(geometry "$1" | sed 's/^/at_/')"
  x=$((2 * $2 - at_X))
  y=$((2 * $3 - at_Y))
  if [ "$x" -ne "$2" ] || [ "$y" -ne "$3" ]; then
    xdotool windowmove --sync "$1" "$x" "$y"
    sleep 0.3
  fi
}
beside() {
  eval "$(geometry "$1" | sed 's/^/left_/')"
  place "$2" $((left_X + left_WIDTH + frame_right + frame_left)) "$frame_top"
}
place "$data" "$frame_left" "$frame_top"
beside "$data" "$figure"

# Split the series after session 8: the canvas starts 180 pixels down and is 400 wide, one gap
# for each of the 18 points and one more. Then the mean and the phase means.
xdotool mousemove --window "$figure" $((8 * 400 / 19 + 400 / 38)) 220 click 1
sleep 0.3
xdotool mousemove --window "$figure" 20 13 click 1
xdotool mousemove --window "$figure" 115 13 click 1
sleep 0.3

# Analyses, Pearson-r, through the keyboard: Alt opens the menu bar at File. The dialog's OK has
# the focus.
xdotool windowactivate --sync "$data"
xdotool key --delay 150 alt Right Right Right Down Down Down Down Down Return
dialog=$(window "Bootstrapped Pearson-r")
xdotool windowactivate --sync "$dialog"
xdotool key --delay 150 space
output=$(window "Statistical Output")
sleep 0.5
beside "$figure" "$output"
sleep 1
import -window root "$picture"
echo "wrote $picture"
