#!/usr/bin/env bash
# Builds the Windows downloads: dist/orinprog-<version>-windows-x64.zip (the
# program folder: both programs, the Qt and MinGW run-time DLLs and Qt plugins
# they need, the language files, help pages, README.txt and licence notices)
# and dist/orinprog-<version>-setup.exe (an NSIS installer of the same files).
#
#   scripts/package-windows.sh                  from a clean clone of HEAD
#   scripts/package-windows.sh --from-build DIR from an existing Windows build
#                                               tree made with Qt (test-windows.sh)
#
# Qt for Windows comes from scripts/build-qt-windows.sh (built on first use).
# The DLLs are found by following each program's and plugin's imports, so the
# folder holds what the program loads and nothing more. Prints the two files'
# paths last.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
out_dir=$(realpath -m "${OUT_DIR:-dist}")

scripts/deps.sh g++-mingw-w64-x86-64-posix nsis zip >&2
qt_dir=$(scripts/build-qt-windows.sh)
mingw=x86_64-w64-mingw32
version=$(sed -n 's/^project(OrinProg VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package-windows: no version in CMakeLists.txt" >&2; exit 1; }

# The CMake options of a Windows build with Qt (test-windows.sh uses them too).
windows_cmake_options() {
    echo -DCMAKE_TOOLCHAIN_FILE="$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake"
    echo -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake"
    echo -DCMAKE_BUILD_TYPE=Release
    echo -DORIN_BUILD_BENCH=OFF
}

if [ "${1:-}" = "--from-build" ]; then
    [ $# -eq 2 ] || { echo "usage: scripts/package-windows.sh [--from-build DIR]" >&2; exit 2; }
    build=$(realpath "$2")
    cmake --build "$build" --target orinprog orinctl orin_translations >&2
    src="$repo"
else
    [ $# -eq 0 ] || { echo "usage: scripts/package-windows.sh [--from-build DIR]" >&2; exit 2; }
    work="$repo/build-package-win"
    rm -rf "$work"
    git clone -q --no-local "$repo" "$work/src"
    git -C "$work/src" checkout -q --detach "$(git rev-parse HEAD)"
    src="$work/src"
    build="$work/build"
    mapfile -t opts < <(windows_cmake_options)
    cmake -S "$src" -B "$build" -G Ninja "${opts[@]}" -DORIN_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" >&2
fi

name="orinprog-$version-windows-x64"
stage="$out_dir/stage/$name"
rm -rf "$out_dir/stage"
mkdir -p "$stage"

# --- The programs and what they load ------------------------------------------
cp "$build/bin/orinprog.exe" "$build/bin/orinctl.exe" "$build/bin/English.qm" \
    "$build/bin/Chinese.qm" "$build/bin/qtbase_zh_CN.qm" "$stage/"
# Plugins Qt loads by name, beside the program (Qt looks in the program's
# folder): the window system, the native widget style and the printers.
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    printsupport/windowsprintersupport.dll; do
    [ -f "$qt_dir/plugins/$plugin" ] || continue
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt_dir/plugins/$plugin" "$stage/$plugin"
done
[ -f "$stage/platforms/qwindows.dll" ] || { echo "package-windows: no qwindows.dll in $qt_dir" >&2; exit 1; }

# The DLLs the programs and plugins import, followed through the DLLs they
# import in turn; system DLLs (not found in these folders) stay out.
dll_dirs=("$qt_dir/bin" "$(dirname "$($mingw-g++-posix -print-file-name=libstdc++-6.dll)")"
    "$(dirname "$(realpath "$($mingw-g++-posix -print-file-name=libwinpthread-1.dll)")")")
imports() { $mingw-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
queue=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    file="${queue[0]}"
    queue=("${queue[@]:1}")
    for dll in $(imports "$file"); do
        [ -e "$stage/$dll" ] && continue
        for dir in "${dll_dirs[@]}"; do
            found=$(find "$dir" -maxdepth 1 -iname "$dll" | head -1)
            if [ -n "$found" ]; then
                cp "$found" "$stage/$dll"
                queue+=("$stage/$dll")
                break
            fi
        done
    done
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs $mingw-strip --strip-unneeded

# --- Help, notes and licences -------------------------------------------------
for book in "$src"/resources/help/*/; do
    mkdir -p "$stage/help/$(basename "$book")"
    cp "$book"*.html "$stage/help/$(basename "$book")/"
done
crlf() { sed 's/$/\r/' "$@"; }
sed "s/@VERSION@/$version/" "$src/packaging/windows/README.txt" | crlf >"$stage/README.txt"
lic="$stage/licenses"
mkdir -p "$lic/Qt" "$lic/MinGW"
[ -d "$qt_dir/licenses" ] || { echo "package-windows: $qt_dir has no licence texts; rebuild it" >&2; exit 1; }
cp -r "$qt_dir/licenses/." "$lic/Qt/"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright >"$lic/MinGW/GCC-runtime (libstdc++, libgcc).txt"
crlf /usr/share/doc/mingw-w64-common/copyright >"$lic/MinGW/mingw-w64 (winpthreads).txt"
crlf "$src/packaging/copyright" >"$lic/orinprog.txt"

# --- The zip ------------------------------------------------------------------
zip_file="$out_dir/$name.zip"
rm -f "$zip_file"
(cd "$out_dir/stage" && zip -q -r -9 -X "$zip_file" "$name")

# --- The installer --------------------------------------------------------------
# Every file by name, for installing and for the uninstaller, which removes
# exactly these and leaves what the user made.
setup="$out_dir/orinprog-$version-setup.exe"
lists="$out_dir/stage/lists"
mkdir -p "$lists"
(cd "$stage" && find . -type d ! -name . | sed 's|^\./||' | sort) >"$lists/dirs"
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) >"$lists/files"
win() { sed 's|/|\\|g'; }
{
    while read -r dir; do
        echo "CreateDirectory \"\$INSTDIR\\$(win <<<"$dir")\""
    done <"$lists/dirs"
    while read -r f; do
        echo "File \"/oname=$(win <<<"$f")\" \"$stage/$f\""
    done <"$lists/files"
} >"$lists/install.nsh"
{
    while read -r f; do
        echo "Delete \"\$INSTDIR\\$(win <<<"$f")\""
    done <"$lists/files"
    sort -r "$lists/dirs" | while read -r dir; do
        echo "RMDir \"\$INSTDIR\\$(win <<<"$dir")\""
    done
} >"$lists/uninstall.nsh"
makensis -V2 -DVERSION="$version" -DLISTS="$lists" -DICON="$src/resources/windows/orinprog.ico" \
    -DOUTFILE="$setup" "$src/packaging/windows/orinprog.nsi" >&2
rm -rf "$out_dir/stage"

echo "$zip_file"
echo "$setup"
