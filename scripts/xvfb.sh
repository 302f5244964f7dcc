# Starts a private Xvfb and sets DISPLAY; stop_xvfb ends it. Xvfb itself picks
# a free display and tells it through -displayfd, so two runs never race for one.
# LIZHI_XVFB_SCREEN sets the screen's size (1024x768x24 by default).
start_xvfb() {
  local out
  out=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${LIZHI_XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$out" >/dev/null 2>&1 &
  LIZHI_XVFB_PID=$!
  for _ in $(seq 1 100); do
    if [ -s "$out" ]; then
      export DISPLAY=":$(head -n1 "$out")"
      rm -f "$out"
      return 0
    fi
    kill -0 "$LIZHI_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$out"
  echo "could not start Xvfb" >&2
  return 1
}
stop_xvfb() {
  [ -n "${LIZHI_XVFB_PID:-}" ] && kill "$LIZHI_XVFB_PID" 2>/dev/null
  LIZHI_XVFB_PID=
}
