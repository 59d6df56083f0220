# Sourced by the scripts that need a real X server: start_x starts Xvfb on a free display with
# openbox (the end-to-end tests' configuration) and exports DISPLAY; stop_x ends both.
x_pids=()

start_x() {
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
  x_pids+=($!)
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
  openbox --sm-disable --config-file "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/openbox-rc.xml" >/dev/null 2>&1 &
  x_pids+=($!)
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && return 0; sleep 0.05; done
  echo "the window manager did not start" >&2
  return 1
}

stop_x() {
  local pid
  for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  x_pids=()
}

# The program's window id, waiting up to 10 s for it to be shown.
window_of() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

# Left- or right-click at a point of the window: click WINDOW X Y BUTTON
click() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown "$4" sleep 0.08 mouseup "$4"
}
