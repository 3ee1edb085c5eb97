#!/usr/bin/env bash
# The Debian package as a school's computer gets it: its control fields, its
# file list with owners and modes, the desktop files by their own validators,
# and the program unpacked into a temporary root (dpkg -x), started through
# its launcher on Qt's offscreen platform with a temporary HOME.
# Usage: paket_test.sh PACKAGE.deb SOURCE_DIR
# Every program started here gets a time limit (tests/pruefhilfe.sh).
set -euo pipefail
deb="$1"
quellen="$2"
# shellcheck source=../pruefhilfe.sh
source "$(dirname -- "${BASH_SOURCE[0]}")/../pruefhilfe.sh"
feld() { dpkg-deb -f "$deb" "$1"; }

# Control fields: the version is the changelog's, the libraries come from
# the program itself.
version="$(dpkg-parsechangelog -l "$quellen/dist/changelog" -S Version)"
pruefe "package name" orbela "$(feld Package)"
pruefe "version" "$version" "$(feld Version)"
pruefe "file name" "orbela_${version}_$(dpkg --print-architecture).deb" "$(basename -- "$deb")"
abhaengig="$(feld Depends)"
for paket in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
  qt6-qpa-plugins qt6-translations-l10n; do
  [[ ", $abhaengig," == *", $paket "* || ", $abhaengig," == *", $paket,"* ]] ||
    pruefe "dependency on $paket" "$paket in Depends" "$abhaengig"
done

# Every file with owner and mode; directories only as their paths imply.
erwartet="$(cat <<LISTE
-rwxr-xr-x root/root ./usr/bin/orbela
-rwxr-xr-x root/root ./usr/bin/orbela-start
-rw-r--r-- root/root ./usr/share/applications/orbela.desktop
-rw-r--r-- root/root ./usr/share/doc/orbela/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/orbela/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/orbela.svg
lrwxrwxrwx root/root ./usr/share/man/man1/orbela-start.1.gz -> orbela.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/orbela.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/de.orbela.Orbela.metainfo.xml
-rw-r--r-- root/root ./usr/share/mime/packages/orbela.xml
-rw-r--r-- root/root ./usr/share/orbela/demo/Beispielschule.orb
-rw-r--r-- root/root ./usr/share/orbela/demo/adresslehrdat.int
-rw-r--r-- root/root ./usr/share/orbela/demo/faecherkrz.int
-rw-r--r-- root/root ./usr/share/orbela/demo/raumkrz.int
LISTE
)"
inhalt="$(dpkg-deb -c "$deb")"
pruefe "file list" "$erwartet" "$(grep -v '^d' <<<"$inhalt" | awk '{ $3 = $4 = $5 = ""; print }' |
  tr -s ' ' | sort -k3)"
pruefe "directories" "" "$(grep '^d' <<<"$inhalt" | grep -v '^drwxr-xr-x root/root ' || true)"

wurzel="$tmp/wurzel"
dpkg -x "$deb" "$wurzel"
pruefe "desktop entry's command" 'Exec="/usr/bin/orbela-start" %f' \
  "$(grep '^Exec=' "$wurzel/usr/share/applications/orbela.desktop")"
frist desktop-file-validate --no-hints "$wurzel/usr/share/applications/orbela.desktop" || fehler=1
frist appstreamcli validate --no-net --pedantic --explain \
  "$wurzel/usr/share/metainfo/de.orbela.Orbela.metainfo.xml" >"$tmp/appstream" 2>&1 || {
  cat "$tmp/appstream" >&2
  fehler=1
}
pruefe "manual page" "ORBELA(1)" "$(frist man -l "$wurzel/usr/share/man/man1/orbela.1.gz" 2>/dev/null |
  head -n1 | awk '{ print $1 }')"
pruefe "plan size" 37340 "$(stat -c %s "$wurzel/usr/share/orbela/demo/Beispielschule.orb")"

# Starts the unpacked launcher with the given arguments under strace, waits
# until the main window has been painted, leaves it a moment for a message
# box and ends it. Qt's painting log names each window that is drawn;
# strace records the files it opened. Output: $tmp/qt.log, $tmp/dateien.
starte() {
  rm -f -- "$tmp/qt.log" "$tmp/dateien"
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    strace -f -qq -e trace=openat -e signal=none -o "$tmp/dateien" \
    "$wurzel/usr/bin/orbela-start" "$@" >/dev/null 2>"$tmp/qt.log" &
  local strace_pid=$! frist_ende=$((SECONDS + 30))
  until grep -q 'of top level orbela::Hauptfenster(.*needing flush' "$tmp/qt.log" 2>/dev/null; do
    if ((SECONDS > frist_ende)) || ! kill -0 "$strace_pid" 2>/dev/null; then
      echo "FEHLER: no main window for orbela-start $*" >&2
      tail -n 20 "$tmp/qt.log" >&2 || true
      fehler=1
      break
    fi
    sleep 0.2
  done
  sleep 1
  # strace's child is the program (the launcher execs it).
  local programm
  programm="$(cat "/proc/$strace_pid/task/$strace_pid/children" 2>/dev/null || true)"
  # shellcheck disable=SC2086
  [[ -z "$programm" ]] || kill $programm 2>/dev/null || true
  wait "$strace_pid" 2>/dev/null || true
  pruefe "other windows for orbela-start $*" "" \
    "$(grep -o 'of top level [^ ]*' "$tmp/qt.log" | grep -v 'orbela::Hauptfenster(' | sort -u || true)"
}
# Succeeds when the program opened the file (a descriptor, not an error).
geoeffnet() { grep -q "openat(AT_FDCWD, \"$1\", [^)]*) = [0-9]" "$tmp/dateien"; }

export HOME="$tmp/home"
mkdir -p "$HOME"
cd "$tmp"
# The menu entry's start: ~/Orbela is made from the installed demo school.
starte
demo="$wurzel/usr/share/orbela/demo"
pruefe "seeded files" "$(ls "$demo")" "$(ls "$HOME/Orbela" 2>&1)"
geoeffnet "$HOME/Orbela/adresslehrdat.int" || pruefe "card file read at start" gelesen "nicht gelesen"

# The demo plan as argument: loaded, with the cards beside it.
starte "$HOME/Orbela/Beispielschule.orb"
for datei in Beispielschule.orb adresslehrdat.int; do
  geoeffnet "$HOME/Orbela/$datei" ||
    pruefe "$datei opened" "geöffnet" "$(grep -F "$datei" "$tmp/dateien" || echo 'nicht versucht')"
done

exit "$fehler"
