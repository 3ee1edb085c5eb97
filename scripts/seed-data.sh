#!/usr/bin/env bash
# Copies the demo school into the program's data folder: every demo file that
# the folder does not hold yet. A file that is already there is never
# overwritten, and nothing is ever deleted, so the user's own data win.
# Usage: scripts/seed-data.sh DEMO_DIR DATA_DIR
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "Aufruf: $0 DEMO_ORDNER DATEN_ORDNER" >&2
  exit 2
fi
demo="$1"
data="$2"
if [[ ! -d "$demo" ]]; then
  echo "$0: Demo-Ordner \"$demo\" fehlt" >&2
  exit 1
fi
mkdir -p -- "$data"

shopt -s nullglob
for source in "$demo"/*; do
  [[ -f "$source" ]] || continue
  target="$data/$(basename -- "$source")"
  # -L as well: a dangling link counts as present and is left alone.
  if [[ -e "$target" || -L "$target" ]]; then
    continue
  fi
  # Copy beside the target and rename, so that an interrupted copy never
  # leaves a half file that later runs would take for the user's own.
  tmp="$data/.$(basename -- "$source").seed-$$"
  trap 'rm -f -- "$tmp"' EXIT
  cp -- "$source" "$tmp"
  # -n: should the name have turned up meanwhile, it still wins.
  mv -n -- "$tmp" "$target" 2>/dev/null || true
  rm -f -- "$tmp"
  trap - EXIT
  if [[ ! -e "$target" ]]; then
    echo "$0: \"$target\" konnte nicht angelegt werden" >&2
    exit 1
  fi
done
