# Sourced by the scripts that drive the desktop program in an X server of their own.
# Makes a scratch folder $work and a list $pids of processes to end; on exit ends them in reverse
# order (the X servers, started first, last) and removes $work. x_session_start starts Xvfb on a
# display number it picks itself and exports DISPLAY, QT_QPA_PLATFORM=xcb and XDG_RUNTIME_DIR; it
# returns 1, with Xvfb's words in $x_session_error, when the server does not start. x_server_start
# starts a further server, for a second display.
work="$(mktemp -d)"
pids=()
x_session_end() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap x_session_end EXIT

# Starts one more Xvfb on a display number it picks itself: its name (":N") in $x_display.
x_server_start() {
  local file="$work/display.${#pids[@]}"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$file" ] && break; sleep 0.1; done
  if [ ! -s "$file" ]; then
    x_session_error="$(head -c 300 "$work/xvfb.log")"
    return 1
  fi
  x_display=":$(cat "$file")"
}

x_session_start() {
  x_server_start || return 1
  export DISPLAY="$x_display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}
