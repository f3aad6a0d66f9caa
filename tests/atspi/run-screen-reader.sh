#!/usr/bin/env bash
# The screen-reader test, with Debian's Python and its pyatspi, in an X server and a session bus of its own, so
# that neither the desktop's bus nor its display is touched.
#   run-screen-reader.sh WINDOW_PROGRAM SETUP_PROGRAM
set -euo pipefail
for tool in xvfb-run dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps.sh --tests" >&2; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    { echo "pyatspi is missing: scripts/install-deps.sh --tests" >&2; exit 1; }
# -noreset: the accessibility bus's launcher is the server's first client,
# and a reset after it leaves refuses the window that connects meanwhile.
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
    dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$@"
