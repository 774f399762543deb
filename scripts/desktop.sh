# Sourced by the scripts that run TVK on a virtual desktop as a person sees it: a virtual display
# with the openbox window manager, driven with xdotool. Needs Xvfb, openbox, xdotool and xwininfo.
#
#   start_desktop WIDTH HEIGHT   starts both on a display of their own and exports DISPLAY
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
  # The server takes the first free display itself and writes its number once it listens, so
  # two desktops started at the same moment never pick the same one.
  local number="$desktop_work/display"
  : >"$number"
  # It tells of every display it finds taken on the way; that is kept unless it fails.
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp 3>"$number" 2>"$desktop_work/xvfb.log" &
  started $!
  for _ in $(seq 100); do
    [ "$(wc -l <"$number")" -ge 1 ] && break
    sleep 0.1
  done
  if [ "$(wc -l <"$number")" -lt 1 ]; then
    echo "the virtual display did not start:" >&2
    cat "$desktop_work/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(cat "$number")"
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
