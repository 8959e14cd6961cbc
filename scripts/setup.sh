#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12, and fetches the
# GLFW source package. Safe to run again: a finished setup returns at once.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
stamp_version=3
stamp="$root/third_party/.setup-done-$stamp_version"
glfw_dir="$root/third_party/glfw3-3.3.8"

if [[ -f "$stamp" && -d "$glfw_dir" ]]; then
    exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi

export DEBIAN_FRONTEND=noninteractive

source_list=/etc/apt/sources.list.d/velmaris-deb-src.sources
if [[ ! -f "$source_list" ]]; then
    "${sudo_cmd[@]}" tee "$source_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

"${sudo_cmd[@]}" apt-get update -q

native_packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev python3
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxi-dev libxext-dev libgl-dev
    libgl1-mesa-dri libglx-mesa0 mesa-utils
    libgtest-dev googletest
    clang libclang-rt-14-dev
    xvfb xdotool x11-apps x11-utils imagemagick libxfixes3
    wine wine32:i386
    libgl1:i386 libglx0:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
    libxrandr2:i386 libxinerama1:i386 libxcursor1:i386 libxi6:i386 libxext6:i386
    libxfixes3:i386 libxrender1:i386 libfreetype6:i386 libfontconfig1:i386
)
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${native_packages[@]}"

if [[ ! -d "$glfw_dir" ]]; then
    mkdir -p "$root/third_party"
    rm -rf "$root/third_party/download"
    mkdir -p "$root/third_party/download"
    (cd "$root/third_party/download" && apt-get source -q glfw3=3.3.8-1)
    mv "$root/third_party/download/glfw3-3.3.8" "$glfw_dir"
    rm -rf "$root/third_party/download"
fi

touch "$stamp"
