# Sourced: makes sure an X display runs, starting Xvfb on $DISPLAY (:99 by
# default) if needed. A display it starts is a child of the sourcing shell:
# that shell must not `wait` without naming its jobs, and calls
# stop_started_displays when it ends.
export DISPLAY="${DISPLAY:-:99}"
TIVORA_STARTED_DISPLAYS+=()  # the list survives a second sourcing
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  TIVORA_STARTED_DISPLAYS+=("$!")
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if ! xdpyinfo >/dev/null 2>&1; then
    echo "xvfb.sh: Xvfb on $DISPLAY did not answer within 5 s" >&2
    return 1
  fi
fi

stop_started_displays() {
  local pid
  for pid in "${TIVORA_STARTED_DISPLAYS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  TIVORA_STARTED_DISPLAYS=()
}
