#!/bin/sh
# Installs, only when missing, every Debian 12 package that building, running
# and testing Hushmere needs. Works as root and, for a desktop user, via sudo.
set -eu

PACKAGES="
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libopenal-dev libvorbis-dev libogg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils xdotool imagemagick libx11-dev
  pulseaudio pulseaudio-utils sox libsox-fmt-pulse
  fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream dpkg-dev file
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "setup: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
