#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
log="$(mktemp)"
set +e
ctest --test-dir build --output-on-failure -j"$(nproc)" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e

total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log" | tail -1)
failed=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
rm -f "$log"
if [[ -n "$total" ]]; then
  echo "$((total - failed)) passed, $failed failed"
fi
exit "$status"
