#!/usr/bin/env bash
# The program's start: its one argument, and the desktop entry's launcher
# after a real install into a temporary prefix, with a temporary HOME and a
# stand-in for the program that records where and how it was started.
# Usage: start_test.sh BUILD_DIR
# Every program started here gets a time limit (tests/pruefhilfe.sh).
set -euo pipefail
build="$1"
# shellcheck source=../pruefhilfe.sh
source "$(dirname -- "${BASH_SOURCE[0]}")/../pruefhilfe.sh"

# Anything but one plan file gives the usage line and exit code 2.
for args in "a.orb b.orb" "--hilfe" "-"; do
  rc=0
  # shellcheck disable=SC2086
  QT_QPA_PLATFORM=offscreen frist "$build/src/orbela" $args 2>"$tmp/fehler" >/dev/null || rc=$?
  pruefe "exit code for '$args'" 2 "$rc"
  pruefe "usage line for '$args'" "Aufruf: orbela [PLAN.orb]" "$(tail -n1 "$tmp/fehler")"
done

prefix="$tmp/pre fix"
frist cmake --install "$build" --prefix "$prefix" >/dev/null
eintrag="$prefix/share/applications/orbela.desktop"
pruefe "desktop entry" "Exec=\"$prefix/bin/orbela-start\" %f" "$(grep '^Exec=' "$eintrag")"
if command -v desktop-file-validate >/dev/null; then
  frist desktop-file-validate --no-hints "$eintrag" || fehler=1
fi
# The stand-in writes its folder and arguments.
cat >"$prefix/bin/orbela" <<'STANDIN'
#!/bin/sh
{ pwd; for a in "$@"; do echo "$a"; done; } >"$PROTOKOLL"
STANDIN
chmod +x "$prefix/bin/orbela"
export PROTOKOLL="$tmp/protokoll"
export HOME="$tmp/home"
mkdir -p "$HOME" "$tmp/schule" "$tmp/anderswo"
demo="$prefix/share/orbela/demo"

# A plan given: its folder becomes the working folder, ~/Orbela is not made;
# a relative name is taken from where the launcher was started.
for plan in "$tmp/schule/Plan 1.orb" "../schule/Plan 1.orb"; do
  (cd "$tmp/anderswo" && frist "$prefix/bin/orbela-start" "$plan")
  erwartet="$plan"
  [[ "$plan" == /* ]] || erwartet="$tmp/anderswo/$plan"
  pruefe "folder and argument for $plan" "$(printf '%s\n%s' "$tmp/schule" "$erwartet")" "$(cat "$PROTOKOLL")"
done
pruefe "no ~/Orbela after plans" "" "$(ls -A "$HOME")"

# Without a plan: ~/Orbela is made and holds the demo school...
(cd "$tmp/anderswo" && frist "$prefix/bin/orbela-start")
pruefe "folder without plan" "$HOME/Orbela" "$(cat "$PROTOKOLL")"
pruefe "seeded files" "$(ls "$demo")" "$(ls "$HOME/Orbela")"
for f in "$demo"/*; do
  cmp -s "$f" "$HOME/Orbela/$(basename "$f")" || pruefe "copy of $f" gleich verschieden
done
pruefe "nothing else in HOME" "Orbela" "$(ls -A "$HOME")"
# ...once: a second start changes nothing, not even a deleted demo file.
echo "eigene Namen" >"$HOME/Orbela/faecherkrz.int"
rm "$HOME/Orbela/raumkrz.int"
vorher="$(ls -l --time-style=+%s.%N "$HOME/Orbela"; md5sum "$HOME/Orbela"/*)"
frist "$prefix/bin/orbela-start"
pruefe "second start" "$vorher" "$(ls -l --time-style=+%s.%N "$HOME/Orbela"; md5sum "$HOME/Orbela"/*)"
pruefe "folder on second start" "$HOME/Orbela" "$(cat "$PROTOKOLL")"

exit "$fehler"
