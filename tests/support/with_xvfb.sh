#!/usr/bin/env bash
# Runs a command on a private Xvfb display (24-bit, 1280x720) with Mesa's
# software renderer, and ends the server afterwards. A missing Xvfb fails.
set -euo pipefail
if ! command -v Xvfb >/dev/null; then
    echo "with_xvfb: Xvfb is not installed (run scripts/setup.sh)" >&2
    exit 1
fi
geometry="${VELMARIS_XVFB_GEOMETRY:-1280x720x24}"
display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [[ $(wc -l <"$display_file") -ge 1 ]] && break
    sleep 0.1
done
if [[ $(wc -l <"$display_file") -lt 1 ]]; then
    echo "with_xvfb: Xvfb did not start within 10 s" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$display_file")"
export LIBGL_ALWAYS_SOFTWARE=1
export GALLIUM_DRIVER=llvmpipe
"$@"
