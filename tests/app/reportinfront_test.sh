#!/usr/bin/env bash
# A new report is seen: after a run from the Analyses menu, under a window manager, the
# Statistical Output window is the active window and stands above the Data Window and the
# figure, also when the Data Window was in front of it before the run, and shown again when it
# was minimised.
#
#   tests/app/reportinfront_test.sh TVK-PROGRAM
#
# Exits 77 (skipped) when the desktop tools are missing; scripts/install-deps.sh installs them.
set -euo pipefail
cd "$(dirname "$0")/../.."
tvk=$1

for tool in Xvfb openbox xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool" >&2; exit 77; }
done

. scripts/desktop.sh
start_desktop 1262 600

printf '%s\t%s\n' 3 12 5 15 2 11 5 14 7 18 4 12 6 17 3 13 >"$desktop_work/pairs.txt"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$desktop_work" "$tvk" "$desktop_work/pairs.txt" \
  2>/dev/null &
started $!
data=$(window "Data Window")
figure=$(window "Figure")
# The splash closes itself after three seconds.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^TVK - Free$' >/dev/null 2>&1 || break
  sleep 0.1
done

# Analyses, Pearson-r, through the keyboard as a person reaches it; OK has the dialog's focus.
run_pearson() {
  xdotool windowactivate --sync "$data"
  xdotool key --delay 100 alt Right Right Right Down Down Down Down Down Return
  local dialog
  dialog=$(window "Bootstrapped Pearson-r")
  xdotool windowactivate --sync "$dialog"
  xdotool key space
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Bootstrapped Pearson-r$' >/dev/null 2>&1 || break
    sleep 0.1
  done
}

# The stacking order from bottom to top, as decimal window ids.
stacking() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g' |
    xargs -n 1 printf '%d\n'
}

expect_output_in_front() {
  local output active order
  output=$(window "Statistical Output")
  # Give the window manager the moment in which it hands the focus on after the dialog.
  sleep 0.5
  active=$(xdotool getactivewindow)
  order=$(stacking | grep -xE "$data|$figure|$output" | tr '\n' ' ')
  if [ "$active" != "$output" ] || [ "${order##* $output }" != "" ]; then
    echo "$1: active \"$(xdotool getwindowname "$active")\", stacking (bottom to top)" \
      "$order; Data Window $data, figure $figure, output $output" >&2
    exit 1
  fi
  if xprop -id "$output" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; then
    echo "$1: the output window is active but still minimised" >&2
    exit 1
  fi
  echo "$1: the output window is active and on top"
}

run_pearson
expect_output_in_front "first report"
# The person goes back to the data: the Data Window comes in front of the output.
xdotool windowactivate --sync "$data"
xdotool windowraise "$data"
run_pearson
expect_output_in_front "second report"
# The person minimises the output and goes back to the data.
xdotool windowminimize --sync "$(window "Statistical Output")"
xdotool windowactivate --sync "$data"
run_pearson
expect_output_in_front "report after minimising"
