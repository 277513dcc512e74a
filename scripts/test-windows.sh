#!/usr/bin/env bash
# The Windows build, tested on Linux. Cross-builds everything for 64-bit
# Windows with MinGW-w64 and Qt for Windows (scripts/build-qt-windows.sh, built
# into its cache on first use, most of an hour), then under Wine:
#  - runs every test program (the GUI tests on Qt's offscreen platform);
#  - reads and writes the simulated radio with orinctl.exe through a Wine COM
#    port (COM5 = the simulator's pseudo-terminal) and compares the bytes;
#  - makes the zip and the installer (scripts/package-windows.sh) and checks
#    them in fresh Wine prefixes on Xvfb: the unpacked program starts, reads
#    the radio through COM1 in its real window driven by xdotool and saves it,
#    draws its Chinese menus with a CJK font in the prefix, and the installer
#    installs silently, the installed program keeps its settings in the
#    user's folder and the uninstaller leaves them
#    (scripts/test-windows-window.sh).
# All of it twice: as an English user (LANG=en_US.UTF-8) and as a Chinese one
# (LANG=zh_CN.UTF-8, so code page 936, the user 张伟, whose folders have
# Chinese in their names), the test programs copied into a folder named
# "对讲机 工具"; the Chinese run checks that the settings file, the read's
# backup, the transfer log and orinctl's fallback image land where they
# belong, under their Chinese names.
#
# Build folders: build-win/ (Windows) and, when build/ has not been configured
# by scripts/build.sh, build-cli/ (a Linux orinctl for the simulator).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/deps.sh g++-mingw-w64-x86-64-posix wine64 googletest socat nsis zip unzip xdotool \
    imagemagick x11-utils locales
# Wine takes its locale, and with it the ANSI code page, from LANG: the
# system must have both locales.
for loc in en_US zh_CN; do
    locale -a | grep -qix "$loc.utf-\?8" || localedef -i "$loc" -f UTF-8 "$loc.UTF-8"
done
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
# The Chinese user: Wine names the user, and its profile folder, after USER.
zh_user=张伟
zh_env=(LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 USER="$zh_user")

elapsed() { echo $(( $(date +%s%N) / 1000000 - $1 )); }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
started=$(now_ms)

# --- Qt for Windows and the cross build ---------------------------------------
step=$(now_ms)
qt_dir=$(scripts/build-qt-windows.sh)
echo "Qt for Windows: $qt_dir ($(elapsed "$step") ms)"
win_dir="${WIN_BUILD_DIR:-build-win}"
step=$(now_ms)
cmake -S . -B "$win_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DORIN_BUILD_BENCH=OFF -DORIN_WERROR=ON -DORIN_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build "$win_dir"
echo "Windows build: $(elapsed "$step") ms"

# The simulator runs on Linux: reuse the main build when there is one.
linux_dir="${BUILD_DIR:-build}"
if [ ! -f "$linux_dir/CMakeCache.txt" ]; then
    linux_dir=build-cli
    cmake -S . -B "$linux_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORIN_WITH_QT=OFF \
        -DORIN_BUILD_TESTS=OFF -DORIN_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$linux_dir" --target orinctl
orinctl="$root/$linux_dir/bin/orinctl"
orinctl_exe="$root/$win_dir/bin/orinctl.exe"

# --- A fresh Wine prefix -----------------------------------------------------
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The test programs find Qt's DLLs and the MinGW run-time through the search
# path (the packaged program has them beside itself instead).
winpath() { echo "Z:${1//\//\\}"; }
mingw_lib=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread_lib=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
export WINEPATH="$(winpath "$qt_dir/bin");$(winpath "$mingw_lib");$(winpath "$pthread_lib")"
wine=/usr/lib/wine/wine64
sim_pid=""
socat_pid=""
zh_prefix="$work/prefix-zh"
cleanup() {
    local status=$?
    for pid in $sim_pid $socat_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    WINEPREFIX="$zh_prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
step=$(now_ms)
"$wine" wineboot --init >/dev/null 2>&1 || true
echo "Wine prefix: $(elapsed "$step") ms"
# The Chinese user's prefix: C:\users\张伟, with its Temp and AppData.
env "${zh_env[@]}" WINEPREFIX="$zh_prefix" "$wine" wineboot --init >/dev/null 2>&1 || true
zh_home="$zh_prefix/drive_c/users/$zh_user"
[ -d "$zh_home/Temp" ] || { echo "test-windows: Wine made no profile for $zh_user" >&2; exit 1; }
# Wine links the desktop to $HOME; Windows has a folder of the user's own.
rm -f "$zh_home/Desktop" && mkdir -p "$zh_home/Desktop"
zh() { env "${zh_env[@]}" WINEPREFIX="$zh_prefix" "$@"; }

# Two Wine COM ports joined by a null-modem cable (socat): the link's own tests
# talk to themselves over it.
# socat names each pseudo-terminal on stderr once it is made; the ends stay in
# their default (cooked) state, so a link that leaves out the raw set-up fails.
exec 4< <(exec socat -d -d PTY PTY 2>&1)
socat_pid=$!
for com in com6 com7; do
    line=""
    while read -r -t 30 line <&4 && [[ "$line" != *"PTY is "* ]]; do :; done
    [[ "$line" == *"PTY is "* ]] || { echo "test-windows: socat made no cable" >&2; exit 1; }
    ln -sfn "${line##*PTY is }" "$WINEPREFIX/dosdevices/$com"
    ln -sfn "${line##*PTY is }" "$zh_prefix/dosdevices/$com"
done
export ORIN_TEST_COM_PAIR="COM6,COM7"

# --- Unit tests under Wine ---------------------------------------------------
step=$(now_ms)
ctest --test-dir "$win_dir" --output-on-failure -V >"$work/ctest.log" 2>&1 || {
    cat "$work/ctest.log"
    exit 1
}
grep -E "tests? passed|Total Test time" "$work/ctest.log"
passed=$(grep -oE '\[  PASSED  \] [0-9]+ test' "$work/ctest.log" | awk '{s += $4} END {print s + 0}')
skipped=$(grep -oE '\[  SKIPPED \] [0-9]+ test' "$work/ctest.log" | awk '{s += $4} END {print s + 0}')
echo "Tests under Wine: $passed passed, $skipped skipped in $(elapsed "$step") ms"
# Each skipped test with the reason it gave.
tr -d '\r' <"$work/ctest.log" | sed 's/^[0-9]*: //' |
    awk '/: Skipped$/ {getline reason} /^\[  SKIPPED \] [^ ]+ \(/ {print "  skipped: " $4 ": " reason}' |
    sort -u

# The same test programs as the Chinese user would run them: copied into a
# folder "对讲机 工具", with their temporary and settings folders under
# C:\users\张伟 (the settings file beside a program in such a folder, the
# backups and the transfer log in the user's AppData, file names in Chinese).
step=$(now_ms)
zh_tests="$work/对讲机 工具"
cp -r "$win_dir/bin" "$zh_tests"
zh_passed=0
for t in $(ctest --test-dir "$win_dir" -N | sed -n 's/^ *Test *#[0-9]*: *//p'); do
    zh env QT_QPA_PLATFORM=offscreen "$wine" "$zh_tests/$t.exe" >"$work/zh-$t.log" 2>&1 || {
        tr -d '\r' <"$work/zh-$t.log" | grep -E '^\[  FAILED|Failure|error' | head -40
        echo "test-windows: $t failed as the Chinese user (LANG=zh_CN.UTF-8, in \"对讲机 工具\")" >&2
        exit 1
    }
    zh_passed=$((zh_passed + $(grep -oE '\[  PASSED  \] [0-9]+ test' "$work/zh-$t.log" | awk '{s += $4} END {print s + 0}')))
done
echo "Tests under Wine as $zh_user (zh_CN.UTF-8, in \"对讲机 工具\"): $zh_passed passed in $(elapsed "$step") ms"

# --- orinctl.exe against the simulated radio ----------------------------------
fail() {
    echo "test-windows: $*" >&2
    [ -f "$work/sim.err" ] && sed 's/^/simulator: /' "$work/sim.err" >&2
    exit 1
}
exec 3< <(exec "$orinctl" simulate --line-timing --save-to "$work/radio.sin" 2>"$work/sim.err")
sim_pid=$!
read -r -t 30 pty <&3 || fail "the simulator did not start"
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com5"
cd "$work"
transferred=3176 # the bytes a read or write carries: 397 blocks of 8

timed() { # NAME COMMAND...: runs the command, prints how long it took
    local name="$1" t
    shift
    t=$(now_ms)
    "$@" 2>"$work/$name.err" || { cat "$work/$name.err" >&2; fail "$name failed"; }
    echo "$name: $(elapsed "$t") ms"
}

timed "Linux read" "$orinctl" read --port "$pty" -o linux-read.sin
timed "Wine read COM5" "$wine" "$orinctl_exe" read --port COM5 -o wine-read.sin
cmp linux-read.sin wine-read.sin || fail "orinctl.exe read other bytes than orinctl"

"$wine" "$orinctl_exe" new -o new.sin || fail "orinctl.exe new failed"
cmp -s -n "$transferred" new.sin wine-read.sin && fail "the new file equals the radio: the write would prove nothing"
timed "Wine write COM5" "$wine" "$orinctl_exe" write --port COM5 new.sin
cmp -n "$transferred" new.sin radio.sin || fail "the radio does not hold what orinctl.exe wrote"
"$wine" "$orinctl_exe" read --port COM5 -o wine-read-back.sin 2>/dev/null || fail "read-back failed"
cmp -n "$transferred" radio.sin wine-read-back.sin || fail "orinctl.exe read back other bytes"

timed "Linux write" "$orinctl" write --port "$pty" linux-read.sin
cmp -n "$transferred" linux-read.sin radio.sin || fail "the radio does not hold what orinctl wrote"

# The failure texts a Windows user sees.
if "$wine" "$orinctl_exe" read --port COM9 -o none.sin 2>missing.err; then
    fail "reading a missing port succeeded"
fi
grep -q "COM9: " missing.err || { cat missing.err; fail "no system reason for a missing port"; }
[ ! -e none.sin ] || fail "a failed read wrote its output file"
if "$wine" "$orinctl_exe" simulate 2>simulate.err; then
    fail "orinctl.exe simulate succeeded"
fi
grep -q "not available on Windows" simulate.err || fail "simulate did not say it is not available"

# As the Chinese user: a read into a Chinese folder and file name; and a read
# whose folder goes away meanwhile keeps the image in C:\users\张伟\Temp.
ln -sfn "$pty" "$zh_prefix/dosdevices/com5"
zh_desktop="$zh_home/Desktop/对讲机 工具"
mkdir -p "$zh_desktop/读出"
timed "Wine read COM5 as $zh_user" zh "$wine" "$orinctl_exe" read --port COM5 \
    -o "C:\\users\\$zh_user\\Desktop\\对讲机 工具\\读出 2026.sin"
cmp linux-read.sin "$zh_desktop/读出 2026.sin" || fail "orinctl.exe read other bytes into the Chinese-named file"
zh "$wine" "$orinctl_exe" read --port COM5 -o "C:\\users\\$zh_user\\Desktop\\对讲机 工具\\读出\\频道 一.sin" \
    2>fallback.err &
reader=$!
# Once blocks come, the output has been found writable: its folder goes.
for _ in $(seq 300); do
    grep -q "^block 50 of" fallback.err 2>/dev/null && break
    sleep 0.2
done
rm -rf "$zh_desktop/读出"
if wait "$reader"; then
    fail "a read whose folder was removed succeeded"
fi
kept=$(compgen -G "$zh_home/Temp/orinctl-read-*.sin" | head -1)
[ -n "$kept" ] || { cat fallback.err; fail "the fallback image is not in $zh_home/Temp"; }
grep -qF "C:\\users\\$zh_user\\Temp\\$(basename "$kept")" fallback.err ||
    { cat fallback.err; fail "orinctl.exe did not name the fallback image by its path"; }
cmp -n "$transferred" linux-read.sin "$kept" || fail "the fallback image holds other bytes"
echo "orinctl.exe as $zh_user: read into \"读出 2026.sin\", fallback image $(basename "$kept") in its Temp"

# --- The downloads and the window, under Wine on Xvfb ---------------------------
cd "$root"
scripts/test-windows-window.sh "$win_dir" "$pty" "$work/linux-read.sin"

echo "test-windows: all passed in $(elapsed "$started") ms"
