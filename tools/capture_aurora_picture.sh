#!/usr/bin/env bash
# Takes a picture of the running screensaver for the README:
#   tools/capture_aurora_picture.sh <native build directory> <picture.png> [seconds]
# Runs the native program full screen on a private 1280 x 720 Xvfb display,
# waits the given seconds (default 6) and captures the screen.
set -euo pipefail
if [[ $# -lt 2 ]]; then
    echo "usage: $0 <native build directory> <picture.png> [seconds]" >&2
    exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$(cd "$1" && pwd)/velmaris-sky"
picture="$(realpath -m "$2")"
seconds="${3:-6}"
exec "$root/tests/support/with_xvfb.sh" bash -c '
    "$1" /s >/dev/null &
    pid=$!
    sleep "$3"
    import -window root "$2"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' capture "$program" "$picture" "$seconds"
