#!/usr/bin/env bash
# The Windows downloads as a user meets them, under Wine on Xvfb (called by
# scripts/test-windows.sh, which runs the simulated radio):
#   scripts/test-windows-window.sh WIN_BUILD_DIR RADIO_PTY RADIO.sin
# RADIO_PTY is the simulator's pseudo-terminal, RADIO.sin what it holds.
#  1. scripts/package-windows.sh makes the zip and the installer;
#  2. the zip, unpacked into an empty folder of a fresh Wine prefix, starts
#     and shows its window (the start-up time is printed);
#  3. in that window, driven by xdotool: Program > Read From Radio through
#     COM1 (the simulator), Start, File > Save; the saved file must hold the
#     radio's bytes;
#  4. View > Switch to Chinese; with a CJK font copied into the prefix the
#     menu bar must be drawn in Chinese characters, not empty boxes;
#  5. in another fresh prefix: setup.exe /S, the installed program starts
#     and keeps its settings in the user's folder, .sin opens in it, and the
#     uninstaller removes the program but leaves the user's files;
#  6. as a Chinese user (LANG=zh_CN.UTF-8, code page 936, the user 张伟) in a
#     fresh prefix: the zip unpacked on the desktop into "对讲机 工具", a file
#     "频道 一.sin" opened by its path: the window starts in Chinese and keeps
#     orinprog.ini beside itself with the file among the recent ones; a read
#     through COM1 leaves its backup and the transfer log in
#     C:\users\张伟\AppData\Local\Orin\orinprog.
# Steps 1-5 run as an English user (LANG=en_US.UTF-8).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 3 ] || { echo "usage: scripts/test-windows-window.sh WIN_BUILD_DIR RADIO_PTY RADIO.sin" >&2; exit 2; }
win_dir=$(realpath "$1")
pty=$2
radio=$(realpath "$3")

wine=/usr/lib/wine/wine64
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
elapsed() { echo $(( $(now_ms) - $1 )); }
started=$(now_ms)
work=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH # the downloads must bring every DLL they need
prefixes=()
xvfb_pid=""
app_pid=""
cleanup() {
    local status=$? p
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    for p in "${prefixes[@]}"; do
        WINEPREFIX="$p" /usr/lib/wine/wineserver -k 2>/dev/null || true
    done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
fail() {
    echo "test-windows-window: $*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "${ORIN_SCREENSHOT_DIR:-}" ]; then
        import -display "$DISPLAY" -window root "$ORIN_SCREENSHOT_DIR/failure.png" 2>/dev/null || true
    fi
    [ -s "$work/cmp.txt" ] && cat "$work/cmp.txt" >&2
    [ -f "$work/app.err" ] && sed 's/^/orinprog: /' "$work/app.err" | tail -20 >&2
    exit 1
}
# Waits up to SECONDS for COMMAND to succeed (a file to appear, a window to map).
wait_for() { # SECONDS WHAT COMMAND...
    local until=$(( $(date +%s) + $1 )) what=$2
    shift 2
    until "$@"; do
        [ "$(date +%s)" -lt "$until" ] || fail "waited in vain for $what"
        sleep 0.2
    done
}
new_prefix() { # new_prefix DIR: a fresh Wine prefix, made the current one
    export WINEPREFIX="$1"
    prefixes+=("$1")
    "$wine" wineboot --init >/dev/null 2>&1 || true
}
user_data() { echo "$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local/Orin/orinprog"; }
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8

# --- 1. The downloads ----------------------------------------------------------
step=$(now_ms)
mapfile -t made < <(OUT_DIR="$work/dist" scripts/package-windows.sh --from-build "$win_dir" | tail -2)
zip=${made[0]}
setup=${made[1]}
[ -f "$zip" ] && [ -f "$setup" ] || fail "package-windows.sh made no zip or installer"
echo "Packages: $(basename "$zip") $(( $(stat -c %s "$zip") / 1024 )) KiB," \
    "$(basename "$setup") $(( $(stat -c %s "$setup") / 1024 )) KiB ($(elapsed "$step") ms)"

# A display for the windows.
exec 5< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 30 display <&5 || fail "Xvfb did not start"
export DISPLAY=":$display"

# --- 2. The zip in an empty folder of a fresh prefix ------------------------------
step=$(now_ms)
new_prefix "$work/prefix"
echo "Wine prefix: $(elapsed "$step") ms"
unzip -q "$zip" -d "$WINEPREFIX/drive_c/unpacked"
app=$(echo "$WINEPREFIX"/drive_c/unpacked/*/orinprog.exe)
app_dir_win="C:\\unpacked\\$(basename "$(dirname "$app")")"
app_win="$app_dir_win\\orinprog.exe"
for run in first second; do
    step=$(now_ms)
    shown=$(ORIN_QUIT_WHEN_SHOWN=1 timeout 120 "$wine" "$app_win" 2>"$work/app.err") ||
        fail "the unpacked orinprog.exe did not start"
    [[ "$shown" == "shown after "* ]] || fail "the unpacked orinprog.exe showed no window"
    echo "orinprog.exe start-up under Wine ($run start): $(elapsed "$step") ms to the end, window $shown"
done

# --- 3. Read the radio in the window and save ------------------------------------
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com1"
# A Chinese font, as Windows brings its own (Wine has none).
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/"
mkdir -p "$WINEPREFIX/drive_c/work"
saved="$WINEPREFIX/drive_c/work/channels.sin"
"$wine" "$app_dir_win\\orinctl.exe" new -o 'C:\work\channels.sin' ||
    fail "orinctl.exe new failed"
# The channels as orinctl lists them: numbers, frequencies, tones, names.
saved_channels() { "$wine" "$app_dir_win\\orinctl.exe" dump "$1" 2>/dev/null | tr -d '\r' | cut -d, -f1-5,14; }
expected_channels=$(saved_channels 'Z:'"${radio//\//\\}")
[ "$(echo "$expected_channels" | wc -l)" -gt 100 ] || fail "orinctl.exe dump listed no channels"
[ "$(saved_channels 'C:\work\channels.sin')" != "$expected_channels" ] ||
    fail "the new file holds the radio's channels: the read would prove nothing"
"$wine" "$app_win" 'C:\work\channels.sin' >/dev/null 2>"$work/app.err" &
app_pid=$!
window=""
find_window() { window=$(xdotool search --onlyvisible --name 'Orin Programing Software' 2>/dev/null | head -1); [ -n "$window" ]; }
wait_for 60 "the window" find_window
# Keys go to the active window: without a window manager a click (on the
# status bar, where it does nothing else) makes the window active again after
# a dialog has gone.
keys() {
    local height
    height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
    xdotool mousemove --window "$window" 40 $((height - 6)) click 1
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --delay 100 "$@"
}
step=$(now_ms)
keys ctrl+r
dialog=""
find_dialog() { dialog=$(xdotool search --onlyvisible --name 'Reading Data Progress' 2>/dev/null | head -1); [ -n "$dialog" ]; }
wait_for 30 "the reading window" find_dialog
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Return # Start
backups="$(user_data)/backups"
read_backup() { compgen -G "$backups/orin-*-read.sin" >/dev/null; }
wait_for 120 "the read to end (a backup in $backups)" read_backup
echo "Read From Radio in the window through COM1: $(elapsed "$step") ms"
cmp -s "$(compgen -G "$backups/orin-*-read.sin" | head -1)" "$radio" ||
    fail "the read's backup does not hold the radio's bytes"
[ -f "$(user_data)/last-transfer.log" ] || fail "no transfer log in the local application-data folder"
# File > Save: a read makes a new document, so Save asks for the file name
# (Windows' own dialog). The saved file must hold the radio's bytes.
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
visible >"$work/windows-before"
keys ctrl+s
# The Save As window is the one that was not there before (it has no name).
save_dialog=""
find_save_dialog() { save_dialog=$(visible | comm -13 "$work/windows-before" - | head -1); [ -n "$save_dialog" ]; }
wait_for 30 "the Save As window" find_save_dialog
xdotool windowfocus --sync "$save_dialog" 2>/dev/null || true
xdotool key Home shift+End # the suggested name, replaced
xdotool type --delay 30 'C:\work\saved.sin'
xdotool key Return
saved="$WINEPREFIX/drive_c/work/saved.sin"
saved_equal() { cmp -s "$saved" "$radio" || { cmp "$saved" "$radio" >"$work/cmp.txt" 2>&1; false; }; }
wait_for 30 "File > Save to write the radio's bytes into saved.sin" saved_equal
echo "The window read COM1 and saved the radio's bytes"

# --- 4. Chinese -----------------------------------------------------------------
# Counts the columns of the window's menu bar whose dark pixels form three or
# more separate strokes: Chinese characters have many (about 60 in this menu
# bar), Latin letters fewer (about 30: e, a, g), the empty boxes of missing
# glyphs (two strokes) none.
menu_strokes() {
    local geometry x y w
    geometry=$(xdotool getwindowgeometry --shell "$window")
    x=$(sed -n 's/^X=//p' <<<"$geometry")
    y=$(sed -n 's/^Y=//p' <<<"$geometry")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    import -display "$DISPLAY" -window root -crop "${w}x24+${x}+${y}" -colorspace Gray -depth 8 pgm:- |
        python3 -c '
import sys
data = sys.stdin.buffer.read()
fields, pos = [], 0
while len(fields) < 4:  # P5 width height maxval, then the pixels
    while data[pos:pos + 1].isspace(): pos += 1
    end = pos
    while not data[end:end + 1].isspace(): end += 1
    fields.append(data[pos:end]); pos = end
width, height = int(fields[1]), int(fields[2])
pixels = data[pos + 1:]
busy = 0
for col in range(width):
    strokes, ink = 0, False
    for row in range(height):
        dark = pixels[row * width + col] < 140
        strokes += dark and not ink
        ink = dark
    busy += strokes >= 3
print(busy)'
}
english=$(menu_strokes)
[ "$english" -le 40 ] || fail "the English menu bar looks like Chinese ($english busy columns)"
keys alt+v Up Return # View > Switch to Chinese
keys Return          # Yes, switch
chinese=0
chinese_drawn() { chinese=$(menu_strokes); [ "$chinese" -ge 45 ] && [ "$chinese" -ge $((english + 15)) ]; }
wait_for 30 "the menu bar to be drawn in Chinese characters" chinese_drawn
import -display "$DISPLAY" -window root "$work/chinese.png"
[ -z "${ORIN_SCREENSHOT_DIR:-}" ] || cp "$work/chinese.png" "$ORIN_SCREENSHOT_DIR/"
echo "Menu bar columns with 3+ strokes: English $english, Chinese $chinese"
keys alt+F4
wait "$app_pid" || fail "orinprog.exe ended with a failure"
app_pid=""
grep -qx "LANGUAGE=Chinese" "$(dirname "$app")/orinprog.ini" ||
    fail "the unpacked program did not keep its settings beside itself"

# --- 5. The installer -----------------------------------------------------------
step=$(now_ms)
new_prefix "$work/prefix-install"
"$wine" "$setup" /S || fail "setup.exe /S failed"
/usr/lib/wine/wineserver -w
echo "setup.exe /S: $(elapsed "$step") ms with the prefix"
inst="$WINEPREFIX/drive_c/Program Files/Orin Programming Software"
inst_win='C:\Program Files\Orin Programming Software'
for f in orinprog.exe orinctl.exe English.qm Chinese.qm platforms/qwindows.dll uninstall.exe README.txt; do
    [ -f "$inst/$f" ] || fail "setup.exe did not install $f"
done
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orin Programming Software.lnk"
[ -f "$menu" ] || fail "no Start menu entry"
"$wine" reg query 'HKLM\Software\Classes\OrinProg.ChannelFile\shell\open\command' 2>/dev/null |
    grep -qF "\"$inst_win\\orinprog.exe\" \"%1\"" || fail ".sin files do not open in the program"
"$wine" reg query 'HKLM\Software\Classes\.sin' 2>/dev/null | grep -q 'OrinProg.ChannelFile' ||
    fail ".sin is not the program's file type"

report=$(ORIN_SWITCH_LANGUAGE_AND_QUIT=1 timeout 120 "$wine" "$inst_win\\orinprog.exe" 2>"$work/app.err") ||
    { echo "$report"; fail "the installed orinprog.exe failed its check"; }
report=$(tr -d '\r' <<<"$report")
grep -qx "language module: C:/Program Files/Orin Programming Software/Chinese.qm" <<<"$report" ||
    { echo "$report"; fail "the installed program did not load its Chinese module"; }
user_ini="$(user_data)/orinprog.ini"
grep -qx "LANGUAGE=Chinese" "$user_ini" 2>/dev/null ||
    { echo "$report"; fail "the installed program kept no settings in $user_ini"; }
[ ! -e "$inst/orinprog.ini" ] || fail "the installed program wrote orinprog.ini into Program Files"
echo "The installed program started and keeps its settings in the user's folder"

cp "$saved" "$inst/my-channels.sin" # a file the user keeps there
"$wine" "$inst_win\\uninstall.exe" /S || fail "the uninstaller failed"
/usr/lib/wine/wineserver -w # it runs on from a copy of itself
[ ! -e "$inst/orinprog.exe" ] && [ ! -e "$inst/platforms" ] && [ ! -e "$inst/uninstall.exe" ] ||
    fail "the uninstaller left program files: $(ls "$inst")"
[ "$(ls "$inst")" = "my-channels.sin" ] || fail "the uninstaller left or took other files: $(ls "$inst")"
[ -f "$user_ini" ] || fail "the uninstaller removed the user's settings"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu entry"
if "$wine" reg query 'HKLM\Software\Classes\OrinProg.ChannelFile' >/dev/null 2>&1; then
    fail "the uninstaller left the file type"
fi
echo "The uninstaller removed the program and left the user's files"

# --- 6. As a Chinese user ---------------------------------------------------------
step=$(now_ms)
zh_user=张伟
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 USER="$zh_user"
new_prefix "$work/prefix-zh"
zh_home="$WINEPREFIX/drive_c/users/$zh_user"
[ -d "$zh_home" ] || fail "Wine made no profile for $zh_user"
# Wine links the desktop to $HOME; Windows has a folder of the user's own.
rm -f "$zh_home/Desktop"
mkdir -p "$zh_home/Desktop/对讲机 工具"
unzip -q "$zip" -d "$zh_home/Desktop/对讲机 工具"
zh_app=$(echo "$zh_home/Desktop/对讲机 工具"/*/orinprog.exe)
zh_dir_win="C:\\users\\$zh_user\\Desktop\\对讲机 工具\\$(basename "$(dirname "$zh_app")")"
zh_file_win="C:\\users\\$zh_user\\Desktop\\频道 一.sin"
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/"
"$wine" "$zh_dir_win\\orinctl.exe" new -o "$zh_file_win" || fail "orinctl.exe new as $zh_user failed"
shown=$(ORIN_QUIT_WHEN_SHOWN=1 timeout 120 "$wine" "$zh_dir_win\\orinprog.exe" "$zh_file_win" \
    2>"$work/app.err") || fail "orinprog.exe in \"对讲机 工具\" did not start"
[[ "$shown" == "shown after "* ]] || fail "orinprog.exe in \"对讲机 工具\" showed no window"
zh_ini="$(dirname "$zh_app")/orinprog.ini"
grep -qF "$zh_file_win" "$zh_ini" 2>/dev/null ||
    fail "the program in \"对讲机 工具\" kept no orinprog.ini with \"频道 一.sin\" beside itself"
[ ! -e "$(user_data)/orinprog.ini" ] || fail "the unpacked program kept its settings in the user's folder"
echo "As $zh_user: orinprog.exe started from \"对讲机 工具\" with \"频道 一.sin\" and kept orinprog.ini beside itself ($(elapsed "$step") ms)"

# A read in the window: the backup and the log in the Chinese user's AppData.
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com1"
"$wine" "$zh_dir_win\\orinprog.exe" "$zh_file_win" >/dev/null 2>"$work/app.err" &
app_pid=$!
find_window() { window=$(xdotool search --onlyvisible --name 'Orin 写频软件' 2>/dev/null | head -1); [ -n "$window" ]; }
wait_for 60 "the Chinese window" find_window
keys ctrl+r
find_dialog() { dialog=$(xdotool search --onlyvisible --name '读取数据进度' 2>/dev/null | head -1); [ -n "$dialog" ]; }
wait_for 30 "the Chinese reading window" find_dialog
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Return # Start
backups="$(user_data)/backups"
wait_for 120 "the read to end (a backup in $backups)" read_backup
cmp -s "$(compgen -G "$backups/orin-*-read.sin" | head -1)" "$radio" ||
    fail "the read's backup under $zh_user does not hold the radio's bytes"
[ -f "$(user_data)/last-transfer.log" ] || fail "no transfer log in $(user_data)"
kill "$app_pid" 2>/dev/null || true
/usr/lib/wine/wineserver -k 2>/dev/null || true
app_pid=""
echo "As $zh_user: the read's backup and the transfer log are in $(user_data | sed "s|^$WINEPREFIX/drive_c|C:|")"

echo "test-windows-window: all passed in $(elapsed "$started") ms"
