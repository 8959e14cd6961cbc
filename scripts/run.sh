#!/usr/bin/env bash
# Builds and starts the screensaver.
#   scripts/run.sh [--wine] [switches...]
# By default the native build runs full screen on $DISPLAY; --wine runs the
# Windows .scr under Wine instead. Switches ("/s", "/c", "/p <handle>") are
# passed through. With no display it runs on a virtual one for a few seconds
# and writes a screenshot, saying where.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

use_wine=0
if [[ "${1:-}" == "--wine" ]]; then
    use_wine=1
    shift
fi

bash scripts/setup.sh
preset=native
[[ $use_wine == 1 ]] && preset=windows
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)" >/dev/null

if [[ $use_wine == 1 ]]; then
    export WINEPREFIX="$root/build/windows/wineprefix-run" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win32
fi

# The prefix is made once, on a display of its own if need be, before the
# screensaver's time starts.
prepare_wine() {
    [[ $use_wine == 1 && ! -d "$WINEPREFIX" ]] || return 0
    echo "Creating the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    timeout 120 wineserver -w
}

run() {
    if [[ $use_wine == 1 ]]; then
        exec wine "$root/build/windows/VelmarisSkyScreensaver.scr" "$@"
    else
        exec "$root/build/native/velmaris-sky" "$@"
    fi
}

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    prepare_wine
    run "$@"
    exit 0
fi

# No display: a virtual one, a few seconds of the screensaver, a screenshot.
shot="$root/build/screenshot.png"
display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [[ $(wc -l <"$display_file") -ge 1 ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$display_file")"
prepare_wine
run "$@" &
program=$!
sleep "${VELMARIS_RUN_SECONDS:-6}"
import -window root "$shot"
kill $program 2>/dev/null || true
[[ $use_wine == 1 ]] && wineserver -k 2>/dev/null || true
wait $program 2>/dev/null || true
echo "No display: ran on a virtual display; screenshot written to $shot"
