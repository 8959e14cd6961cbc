#!/usr/bin/env bash
# Builds both presets and runs every test: native unit and OpenGL tests
# (on Xvfb), the fuzzer, and the end-to-end tests of the .scr under Wine.
# Exits non-zero when anything fails.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/setup.sh || exit 1

status=0
for preset in native windows; do
    echo "=== building $preset"
    if ! cmake --preset "$preset" || ! cmake --build --preset "$preset" -j"$(nproc)"; then
        echo "=== $preset build failed"
        exit 1
    fi
done
for preset in native windows; do
    echo "=== testing $preset"
    ctest --preset "$preset" -j"$(nproc)" || status=1
done
exit $status
