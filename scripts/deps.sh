#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# and any package named as an argument, when any is missing. Safe to run again
# and again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libgtest-dev libgmock-dev
    xvfb xauth fonts-wqy-microhei qt6-translations-l10n
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# A fresh machine often runs an apt of its own at start: wait for its lock
# rather than fail.
lock=(-o DPkg::Lock::Timeout=900)
# The package lists' lock is not covered by that option on every apt: try
# the update again for a while.
for try in $(seq 1 60); do
    $sudo apt-get "${lock[@]}" update -qq && break
    [ "$try" -eq 60 ] && exit 1
    sleep 10
done
$sudo apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
