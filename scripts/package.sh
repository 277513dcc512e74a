#!/usr/bin/env bash
# Builds the Debian package orinprog_<version>_<arch>.deb and checks it with
# lintian, desktop-file-validate and appstreamcli. Installs the Debian packages
# it needs when any is missing.
#
#   scripts/package.sh                  from a clean clone of the committed HEAD,
#                                       built with Debian's build flags
#   scripts/package.sh --from-build DIR from an existing build tree (quick; the
#                                       install test uses it)
#
# The package lands in dist/ (or $OUT_DIR); its path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
out_dir=$(realpath -m "${OUT_DIR:-dist}")

scripts/deps.sh dpkg-dev lintian desktop-file-utils appstream file

if [ "${1:-}" = "--from-build" ]; then
    [ $# -eq 2 ] || { echo "usage: scripts/package.sh [--from-build DIR]" >&2; exit 2; }
    build=$(realpath "$2")
    cmake --build "$build" >&2
else
    [ $# -eq 0 ] || { echo "usage: scripts/package.sh [--from-build DIR]" >&2; exit 2; }
    # A clean clone, so nothing uncommitted or generated slips into the package.
    work="$repo/build-package"
    rm -rf "$work"
    git clone -q --no-local "$repo" "$work/src"
    git -C "$work/src" checkout -q --detach "$(git rev-parse HEAD)"
    build="$work/build"
    # Debian's hardening flags, as a package built by debhelper would get them.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CFLAGS=$(dpkg-buildflags --get CFLAGS)
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
    export CFLAGS CXXFLAGS LDFLAGS
    cmake -S "$work/src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
        -DORIN_BUILD_TESTS=OFF -DORIN_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build" >&2
fi

mkdir -p "$out_dir"
rm -f "$out_dir"/orinprog_*.deb
(cd "$build" && cpack -G DEB -B "$out_dir" >&2)
rm -rf "$out_dir/_CPack_Packages"
deb=$(ls "$out_dir"/orinprog_*.deb)

# The checks: metadata files as installed, then the whole package.
check=$(mktemp -d)
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check"
desktop-file-validate "$check"/usr/share/applications/*.desktop >&2
appstreamcli validate --no-net "$check"/usr/share/metainfo/*.metainfo.xml >&2
lintian --fail-on error "$deb" >&2 ||
    { echo "package.sh: lintian found errors" >&2; exit 1; }
echo "$deb"
