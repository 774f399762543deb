# Sourced by the scripts that run TVK on a virtual desktop as a person sees it: a virtual display
# with the openbox window manager, driven with xdotool. Needs Xvfb, openbox, xdotool and xwininfo.
#
#   start_desktop WIDTH HEIGHT   starts both on a free display and exports DISPLAY
#   started PID                  stops that process with the desktop, before it
#   window TITLE                 the id of the visible window of that title, once it is shown;
#                                a window that never comes ends the script
#   finish                       the EXIT trap: stops everything started, the display last

desktop_pids=()
desktop_work=$(mktemp -d)

finish() {
  for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
    kill "${desktop_pids[i]}" 2>/dev/null || true
  done
  rm -rf "$desktop_work"
}
trap finish EXIT

started() {
  desktop_pids+=("$1")
}

start_desktop() {
  local display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  export DISPLAY=":$display"
  Xvfb "$DISPLAY" -screen 0 "$1x$2x24" -nolisten tcp &
  started $!
  for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  started $!
  # openbox owns the screen once it names itself on the root window.
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}

window() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 | grep . ||
    { echo "no window \"$1\"" >&2; exit 1; }
}
