#!/usr/bin/env bash
# Builds both builds' benchmark programs and prints the start-up, frame time
# and peak memory table of the screensaver against the bare baseline:
#   bench/run_bench.sh [--native-dir DIR] [--windows-dir DIR] [--runs N] [--frames N]
# The build folders default to the presets' (build/native, build/windows).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native_dir="$root/build/native"
windows_dir="$root/build/windows"
args=("$@")
while [[ $# -gt 0 ]]; do
    case "$1" in
        --native-dir) native_dir="$2"; shift ;;
        --windows-dir) windows_dir="$2"; shift ;;
    esac
    shift
done

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$native_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native_dir" -j"$(nproc)" --target velmaris_screensaver scene_startup_bench aurora_baseline \
    first_frame_watch >/dev/null
cmake -S "$root" -B "$windows_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$windows_dir" -j"$(nproc)" --target velmaris_screensaver scene_startup_bench aurora_baseline \
    winprobe >/dev/null
python3 -u "$root/bench/run_bench.py" "${args[@]}"
