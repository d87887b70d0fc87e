#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-dejavu-core fonts-liberation
    xvfb xauth
    clang libclang-rt-14-dev
    # scripts/check-install.sh: validators, cpack's shlibdeps (dpkg-dev, file), xwininfo
    appstream desktop-file-utils dpkg-dev file x11-utils
    # scripts/bench-startup.sh watches the window from outside as an X11 client: libX11 to
    # see it mapped, XDamage to see its first paint; valgrind counts instructions until then.
    libx11-dev libxdamage-dev valgrind
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
