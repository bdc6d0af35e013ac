# Sourced: makes sure an X display runs, starting Xvfb on $DISPLAY (:99 by
# default) if needed. When it starts one, TIVORA_XVFB_PID holds its process
# id, so that the caller can stop it again; otherwise it is left empty.
export DISPLAY="${DISPLAY:-:99}"
TIVORA_XVFB_PID=""
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  TIVORA_XVFB_PID=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
