#!/usr/bin/env bash
# The layering of docs/ARCHITECTURE.md: each folder includes only the folders
# its row of the table names. Prints every include that breaks it and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

allowed() {
    case $1 in
    base) echo "base" ;;
    image) echo "base image" ;;
    formats | link | settings) echo "base image $1" ;;
    compare) echo "base image settings compare" ;;
    plans) echo "base image formats plans" ;;
    fleet) echo "base image formats link settings compare fleet" ;;
    document) echo "base image document" ;;
    editor) echo "base image formats document editor" ;;
    app) echo "base image formats link settings compare plans document editor fleet app" ;;
    cli) echo "base image formats link settings compare plans fleet cli" ;;
    *) echo "" ;;
    esac
}

bad=0
for from in base image formats link settings compare plans document editor fleet app cli; do
    [ -d "$from" ] || continue
    while IFS=: read -r file include; do
        to=${include#\#include \"}
        to=${to%%/*}
        case " $(allowed "$from") " in
        *" $to "*) ;;
        *)
            echo "layering: $file includes $to/ (a $from/ file may include: $(allowed "$from"))"
            bad=1
            ;;
        esac
    done < <(grep -rHoE '^#include "[a-z]+/' "$from" || true)
done
exit $bad
