#!/usr/bin/env bash
# The layering of docs/ARCHITECTURE.md: each folder includes only the folders
# its row of the rank table names. The table is read from the document, so the
# two cannot disagree. Prints every include that breaks it and fails.
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
exit $bad
