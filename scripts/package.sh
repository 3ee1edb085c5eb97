#!/usr/bin/env bash
# Installs what is missing, builds a release and makes the Debian package
# orbela_<version>_<arch>.deb beside the sources; then checks it as Debian
# does (lintian, desktop-file-validate, appstreamcli) and runs the package
# tests on it: its file list, and the installed program started on the demo
# plan. Ends with the package's name, or fails.
#
# Usage: scripts/package.sh [BUILD_DIR]
#   BUILD_DIR: a build folder to package instead of build-release (CI passes
#   the test build, whose program the tests have just run).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

build="${1:-build-release}"
scripts/install-deps.sh
if [[ $# -eq 0 ]]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)"

ausgabe="$build/paket"
rm -rf -- "$ausgabe"
cpack --config "$build/CPackConfig.cmake" -B "$ausgabe" >/dev/null
shopt -s nullglob
pakete=("$ausgabe"/orbela_*.deb)
if ((${#pakete[@]} != 1)); then
  echo "$0: cpack made ${#pakete[@]} packages in $ausgabe, expected one" >&2
  exit 1
fi
paket="$(basename -- "${pakete[0]}")"
mv -f -- "${pakete[0]}" "$root/$paket"

echo "== lintian $paket"
# --fail-on error: warnings and notes are listed but do not fail the package.
lintian --fail-on error --display-info --tag-display-limit 0 "$root/$paket"

echo "== Pakettests"
tests/paket/paket_test.sh "$root/$paket" "$root"

echo "$paket"
