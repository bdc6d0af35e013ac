# Sourced: starts an Xvfb of its own on the first free display number and
# exports DISPLAY; stop_own_display ends it. For scripts that run beside the
# test command's displays and must not share one.
start_own_display() {
  local numbers
  numbers="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
  OWN_DISPLAY_PID=$!
  for _ in $(seq 100); do [ -s "$numbers" ] && break; sleep 0.1; done
  DISPLAY=":$(head -1 "$numbers")"
  rm -f "$numbers"
  export DISPLAY
  [ "$DISPLAY" != : ] || { stop_own_display; echo "Xvfb did not start" >&2; return 1; }
}

stop_own_display() {
  [ -n "${OWN_DISPLAY_PID:-}" ] || return 0
  kill "$OWN_DISPLAY_PID" 2>/dev/null || true
  wait "$OWN_DISPLAY_PID" 2>/dev/null || true
  OWN_DISPLAY_PID=""
}
