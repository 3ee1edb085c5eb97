#!/usr/bin/env bash
# Each folder of src/ includes only itself and the layers below it:
#   app -> ui -> views, print -> canvas -> core
# Fails naming every include that points up or sideways.
# Usage: schichten_test.sh SOURCE_DIR
set -euo pipefail
src="$1/src"

erlaubt() {
    case "$1" in
    core) echo "core" ;;
    canvas) echo "canvas core" ;;
    views) echo "views canvas core" ;;
    print) echo "print canvas core" ;;
    ui) echo "ui views print canvas core" ;;
    app) echo "app ui views print canvas core" ;;
    esac
}

fehler=0
for schicht in core canvas views print ui app; do
    [ -d "$src/$schicht" ] || continue
    darf=" $(erlaubt "$schicht") "
    while IFS= read -r zeile; do
        datei="${zeile%%:*}"
        ziel="$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$zeile")"
        if [[ "$darf" != *" $ziel "* ]]; then
            echo "${datei#"$src"/}: $schicht darf $ziel nicht einbinden: ${zeile#*:}"
            fehler=1
        fi
    done < <(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include "[a-z_]+/' "$src/$schicht" || true)
done
exit "$fehler"
