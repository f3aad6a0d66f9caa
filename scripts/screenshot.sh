#!/usr/bin/env bash
# Starts the utility under a virtual X server and captures its main window
# as docs/main-window.png and its Communication Settings tab as
# docs/comm-settings.png, then the send log window after a few sends to a
# pseudo-terminal as docs/log-window.png, and the Data Storage tab with a
# converted logo and the Convert dialog as docs/storage-tab.png and
# docs/convert-dialog.png, and the Find Printers dialog after a sweep of two
# printers on loopback as docs/find-printers.png (the pictures in the README). All start from empty
# settings, as on a first start.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --screenshot
build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVARIMONDE_BUILD_TESTS=OFF -DVARIMONDE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target varimonde-setup
output="${1:-$root/docs/main-window.png}"
comm_output="${2:-$root/docs/comm-settings.png}"
logOutput="${3:-$root/docs/log-window.png}"
storageOutput="${4:-$root/docs/storage-tab.png}"
convertOutput="${5:-$root/docs/convert-dialog.png}"
findOutput="${6:-$root/docs/find-printers.png}"
settings="$(mktemp -d)"
trap 'rm -rf "$settings"' EXIT

XDG_CONFIG_HOME="$settings" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" &
    program=$!
    for _ in $(seq 100); do
        xwininfo -name "Varimonde Printer Setup Utility" >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep 1
    geometry=$(xwininfo -name "Varimonde Printer Setup Utility" |
        awk "/Absolute upper-left X/{x=\$4} /Absolute upper-left Y/{y=\$4}
             /Width:/{w=\$2} /Height:/{h=\$2} END{print w \"x\" h \"+\" x \"+\" y}")
    xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$2"
    # The window opens on the configuration tab; the one before it is the
    # Communication Settings tab.
    window=$(xdotool search --name "Varimonde Printer Setup Utility" | head -1)
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool windowfocus --sync "$window"
    xdotool key --window "$window" ctrl+shift+Tab
    sleep 0.5
    xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$3"
    kill "$program"
' _ "$build/src/varimonde-setup" "$output" "$comm_output"
echo "wrote $output and $comm_output"

tests="$root/build-tests"
(cd "$root" && cmake --preset debug >/dev/null)
cmake --build "$tests" --target log_window_shot storage_shot find_printers_shot
xvfb-run -a -s "-screen 0 1024x768x24" "$tests/tests/log_window_shot" "$logOutput"
echo "wrote $logOutput"
xvfb-run -a -s "-screen 0 1024x768x24" "$tests/tests/storage_shot" "$storageOutput" "$convertOutput"
echo "wrote $storageOutput and $convertOutput"
xvfb-run -a -s "-screen 0 1024x768x24" "$tests/tests/find_printers_shot" "$findOutput"
echo "wrote $findOutput"
