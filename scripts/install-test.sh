#!/usr/bin/env bash
# The installed package as a user meets it: builds the .deb from the build tree
# ($BUILD_DIR, default build/; scripts/package.sh checks it), unpacks it into a
# scratch root and runs both programs from there. orinprog runs on the offscreen
# platform, as an ordinary user (nobody, when this script runs as root) with a
# program folder it cannot write and a temporary home: it must find its
# language files and help pages, and a language switch must write the user's
# own settings file. A copy in a folder the user can write keeps its settings
# beside itself.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(scripts/package.sh --from-build "${BUILD_DIR:-build}" | tail -1)
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin"
data="$root/usr/share/orinprog"
passed=0
failed=0
check() { # check NAME COMMAND...
    if "${@:2}"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1" >&2
    fi
}
has() { grep -qxF -- "$2" <<<"$1"; }

# orinctl
check "orinctl --help" bash -c "'$bin/orinctl' --help | grep -q '^usage: orinctl COMMAND'"
check "orinctl new" "$bin/orinctl" new -o "$scratch/new.sin"
check "new file holds 4096 bytes" test "$(stat -c %s "$scratch/new.sin")" -eq 4096
check "orinctl dump prints 128 channels" \
    test "$("$bin/orinctl" dump "$scratch/new.sin" | wc -l)" -eq 129

# orinprog as an ordinary user.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
home="$scratch/home"
mkdir "$home"
[ "$(id -u)" -ne 0 ] || chown nobody:nogroup "$home"
run_orinprog() { # run_orinprog PROGRAM: one language switch, its report on stdout
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        ORIN_SWITCH_LANGUAGE_AND_QUIT=1 timeout 60 "${as_user[@]}" "$1" 2>"$scratch/stderr" ||
        { echo "orinprog failed:" >&2; cat "$scratch/stderr" >&2; }
}
[ "$(id -u)" -eq 0 ] || chmod a-w "$bin"
check "program folder is not writable for the user" \
    bash -c "! ${as_user[*]} touch '$bin/probe' 2>/dev/null"

user_ini="$home/.config/Orin/orinprog/MAIN.ini"
report=$(run_orinprog "$bin/orinprog")
echo "$report"
check "starts in English" has "$report" "language: English"
check "English module found" has "$report" "language module: $data/translations/English.qm"
check "switches to Chinese" has "$report" "switched to: Chinese"
check "Chinese module found" has "$report" "language module: $data/translations/Chinese.qm"
check "menus in Chinese" has "$report" "file menu: 文件(&F)"
check "Chinese help found" has "$report" "help book: Orin6140_CH"
check "help has pages" bash -c "grep -q '^help topics: [1-9]' <<<'$report'"
check "settings in the user's folder" has "$report" "settings file: $user_ini"
check "user's settings file keeps the choice" grep -qx "LANGUAGE=Chinese" "$user_ini"
check "nothing written beside the program" test ! -e "$bin/MAIN.ini"

report=$(run_orinprog "$bin/orinprog")
check "next start in the kept language" has "$report" "language: Chinese"
check "and back to English" grep -qx "LANGUAGE=English" "$user_ini"

# A copy in a folder the user can write keeps its settings beside itself.
copy="$scratch/copy"
cp -a "$root" "$copy"
[ "$(id -u)" -ne 0 ] || chown -R nobody:nogroup "$copy"
report=$(run_orinprog "$copy/usr/bin/orinprog")
check "writable copy keeps its settings beside itself" \
    has "$report" "settings file: $copy/usr/bin/MAIN.ini"
check "its file keeps the choice" grep -qx "LANGUAGE=Chinese" "$copy/usr/bin/MAIN.ini"

echo "install test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
