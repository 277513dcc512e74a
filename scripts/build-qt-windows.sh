#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows (MinGW-w64, shared libraries) from
# Debian's own source package, once, into a cache folder outside the
# repository, and prints that folder. When the folder is already there it is
# only printed. The host tools (moc, rcc, uic) are Debian's own 6.4.2.
#
#   qt_dir=$(scripts/build-qt-windows.sh)
#   cmake -DCMAKE_TOOLCHAIN_FILE="$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake" ...
#
# ORIN_CACHE_DIR (default ~/.cache/orinprog) says where the cache lives.
# A cold build takes 75-110 minutes on a busy two-core machine; a line of
# progress (ninja's steps done of the total) goes to stderr every minute.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/deps.sh dpkg-dev g++-mingw-w64-x86-64-posix >&2

qt_version=6.4.2
# Only what the program needs: no SQL, network, D-Bus or OpenGL. Debian's
# tarball leaves out the pen-tablet sources, so the tablet events go too.
# Turning OpenGL off needs the dynamic-GL switch off with it.
options=(
    -DBUILD_SHARED_LIBS=ON
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DINPUT_opengl=no
    -DFEATURE_opengl=OFF
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_icu=OFF
)
hash=$( (echo "$qt_version"; printf '%s\n' "${options[@]}") |
    sha256sum | cut -c1-12)
cache="${ORIN_CACHE_DIR:-$HOME/.cache/orinprog}"
prefix="$cache/qt-$qt_version-mingw-$hash"

# The licence texts of Qt and of the libraries bundled into its DLLs, and how
# this Qt was made (the LGPL asks that users can rebuild it): the Windows
# packages ship them beside the DLLs.
copy_licences() { # SOURCE-TREE DESTINATION
    local from="$1" to="$2" f
    mkdir -p "$to/3rdparty"
    # Every licence Qt offers except the commercial one, which we do not hold.
    find "$from/LICENSES" -name '*.txt' ! -name 'LicenseRef-Qt-Commercial.txt' -exec cp {} "$to/" \;
    for f in "$from"/src/3rdparty/*/; do
        # Not in a Windows build without OpenGL, network or D-Bus.
        case "$(basename "$f")" in
        android | gradle | wasm | xcb | VulkanMemoryAllocator | libpsl | forkfd | dbus-ifaces) continue ;;
        esac
        find "$f" -maxdepth 1 -type f \( -iname '*licen[cs]e*' -o -iname 'copying*' \
            -o -name qt_attribution.json \) -exec sh -c \
            'mkdir -p "$1" && cp "$2" "$1/"' _ "$to/3rdparty/$(basename "$f")" {} \;
    done
    {
        echo "Qt $qt_version for Windows (x86_64, MinGW-w64, shared), built from Debian's"
        echo "source package qt6-base $(basename "$from" | sed 's/^qt6-base-//') with CMake options:"
        printf '  %s\n' "${options[@]}"
    } >"$to/BUILD.txt"
}

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

started=$(date +%s)
work="$cache/qt-work-$hash"
mkdir -p "$work"

# --- The source, from Debian's source package ---------------------------------
src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -1)
if [ -z "$src" ]; then
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
        ! grep -qs '^deb-src' /etc/apt/sources.list; then
        # deb-src beside each deb entry, for the same suites.
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] || continue
            sed -n '/^Types: deb$/,/^$/p' "$f" | sed 's/^Types: deb$/Types: deb-src/' \
                >"/etc/apt/sources.list.d/orin-src-$(basename "$f")"
        done
        if [ -f /etc/apt/sources.list ]; then
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
                >/etc/apt/sources.list.d/orin-src.list || true
        fi
        apt-get update -qq >&2
    fi
    (cd "$work" && apt-get source -qq --download-only qt6-base >&2 &&
        dpkg-source -x qt6-base_"$qt_version"*.dsc >&2)
    src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -1)
fi
[ -n "$src" ] || { echo "build-qt-windows: no qt6-base source" >&2; exit 1; }

# --- Configure and build --------------------------------------------------------
build="$work/build"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$src" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${options[@]}" >"$work/configure.log" 2>&1 || {
        tail -40 "$work/configure.log" >&2
        exit 1
    }
fi
# The build runs in the background; about every minute a line on stderr
# says how many of ninja's steps are done (a cold build takes over an hour).
progress() {
    local step
    # The whole log: a stretch of compiler warnings can be longer than any tail.
    # (A log without a step yet must not end the script under set -e.)
    step=$(grep -ao '^\[[0-9]*/[0-9]*\]' "$work/build.log" 2>/dev/null | tail -1 || true)
    [ -n "$step" ] || return 0
    step=${step#[}
    echo "build-qt-windows: ${step%]} steps done after $(( ($(date +%s) - started) / 60 )) min" >&2
}
cmake --build "$build" >"$work/build.log" 2>&1 &
builder=$!
trap 'kill "$builder" 2>/dev/null' EXIT
next=$(( $(date +%s) + 60 ))
while kill -0 "$builder" 2>/dev/null; do
    sleep 2
    if [ "$(date +%s)" -ge "$next" ]; then
        progress
        next=$(( next + 60 ))
    fi
done
wait "$builder" || {
    grep -B2 -A10 'FAILED' "$work/build.log" | head -60 >&2
    exit 1
}
trap - EXIT
progress
cmake --install "$build" >"$work/install.log" 2>&1
copy_licences "$src" "$prefix/licenses"
touch "$prefix/.complete"
echo "build-qt-windows: Qt $qt_version for Windows built in $(( $(date +%s) - started )) s" >&2
# The build folder is large and no longer needed.
rm -rf "$work"
echo "$prefix"
