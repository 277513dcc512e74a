#!/usr/bin/env bash
# The layering of docs/ARCHITECTURE.md: each folder includes only the folders
# its row of the rank table names, and no two units (a header with its source
# file) include each other, directly or round a circle. The table is read from
# the document, so the two cannot disagree. Prints every include that breaks
# it and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed
while IFS= read -r row; do
    folder=$(sed -E 's/^\| [0-9]+ \| `([a-z]+)\/` \|.*/\1/' <<<"$row")
    may=$(cut -d'|' -f4 <<<"$row" | grep -oE '`[a-z]+/`' | tr -d '`/' | tr '\n' ' ')
    allowed[$folder]=$may
done < <(grep -E '^\| [0-9]+ \| `[a-z]+/` \|' docs/ARCHITECTURE.md)

if [ ${#allowed[@]} -eq 0 ]; then
    echo "layering: no rank table found in docs/ARCHITECTURE.md"
    exit 1
fi

bad=0
for from in */; do
    from=${from%/}
    [ -f "$from/CMakeLists.txt" ] || continue
    case $from in tests | fuzz | bench | resources | packaging | cmake | build* | docs | scripts) continue ;; esac
    if [ -z "${allowed[$from]+x}" ]; then
        echo "layering: $from/ has no row in the rank table of docs/ARCHITECTURE.md"
        bad=1
        continue
    fi
    while IFS=: read -r file include; do
        to=${include#\#include \"}
        to=${to%%/*}
        case " ${allowed[$from]} " in
        *" $to "*) ;;
        *)
            echo "layering: $file includes $to/ (a $from/ file may include: ${allowed[$from]})"
            bad=1
            ;;
        esac
    done < <(grep -rHoE '^#include "[a-z]+/' "$from" || true)
done

# The targets: a file of the pure libraries (orincore, orinlink) includes no
# header of a file that only orinui compiles, whatever its folder may include.
# Each folder's CMakeLists.txt says which library a file belongs to.
sources_of() { # sources_of FOLDER PATTERN: the files named in the blocks PATTERN opens
    awk -v open="$2" '
        $0 ~ open { inside = 1 }
        inside { for (i = 1; i <= NF; ++i) if ($i ~ /\.cpp\)?$/) { f = $i; sub(/\)$/, "", f); sub(/.*\(/, "", f); print f } }
        inside && /\)/ { inside = 0 }' "$1/CMakeLists.txt" | sed "s|^|$1/|; s|\.cpp$||"
}
declare -A qt_only
for folder in "${!allowed[@]}"; do
    [ -f "$folder/CMakeLists.txt" ] || continue
    while read -r stem; do qt_only[$stem]=1; done < <(sources_of "$folder" 'orin_ui_sources\(')
done
for folder in "${!allowed[@]}"; do
    [ -f "$folder/CMakeLists.txt" ] || continue
    while read -r stem; do
        for file in "$stem.cpp" "$stem.h"; do
            [ -f "$file" ] || continue
            while read -r header; do
                if [ -n "${qt_only[${header%.h}]+x}" ]; then
                    echo "layering: $file (a pure library's) includes $header, which only orinui compiles"
                    bad=1
                fi
            done < <(grep -oE '^#include "[a-z]+/[A-Za-z0-9]+\.h"' "$file" | sed 's/#include "//; s/"$//')
        done
    done < <(sources_of "$folder" 'target_sources\((orincore|orinlink)')
done

# No circles between units: a unit is a header with the source file of the
# same name; it depends on every header either includes. tsort names the units
# of each circle it finds.
for folder in "${!allowed[@]}"; do
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -f "$file" ] || continue
        unit=${file%.*}
        { grep -oE '^#include "[a-z]+/[A-Za-z0-9]+\.h"' "$file" || true; } |
            sed 's/#include "//; s/\.h"$//' | while read -r used; do
                [ "$used" = "$unit" ] || echo "$unit $used"
            done
    done
done >/tmp/orin-units.$$
if ! circles=$(tsort /tmp/orin-units.$$ 2>&1 >/dev/null); then
    awk '/contains a loop/ { if (line) print line; line = "layering: units in a circle:"; next }
         { sub(/^tsort: /, ""); line = line " " $0 }
         END { if (line) print line }' <<<"$circles"
    bad=1
fi
rm -f /tmp/orin-units.$$
exit $bad
