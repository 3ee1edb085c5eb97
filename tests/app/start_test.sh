#!/usr/bin/env bash
# The program's start: its one argument.
# Usage: start_test.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf -- "$tmp"' EXIT
fehler=0
pruefe() { # description, expected, actual
  if [[ "$2" != "$3" ]]; then
    printf 'FEHLER %s:\n  erwartet: %s\n  erhalten: %s\n' "$1" "$2" "$3" >&2
    fehler=1
  fi
}

# Anything but one plan file gives the usage line and exit code 2.
for args in "a.orb b.orb" "--hilfe" "-"; do
  rc=0
  # shellcheck disable=SC2086
  QT_QPA_PLATFORM=offscreen "$build/src/orbela" $args 2>"$tmp/fehler" >/dev/null || rc=$?
  pruefe "exit code for '$args'" 2 "$rc"
  pruefe "usage line for '$args'" "Aufruf: orbela [PLAN.orb]" "$(tail -n1 "$tmp/fehler")"
done


exit "$fehler"
