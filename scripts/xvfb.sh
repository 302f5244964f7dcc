# Starts a private Xvfb on a free display and sets DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local n
  for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      LIZHI_XVFB_PID=$!
      export DISPLAY=":$n"
      for _ in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
      done
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
stop_xvfb() {
  [ -n "${LIZHI_XVFB_PID:-}" ] && kill "$LIZHI_XVFB_PID" 2>/dev/null
  LIZHI_XVFB_PID=
}
