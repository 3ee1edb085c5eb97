#!/usr/bin/env bash
# Renders the main window with the demo plan on Qt's offscreen platform and
# saves it as docs/hauptfenster.png for the README.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target orbela_demo bildschirmfoto

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT
cp build-release/demo/* "$arbeit"/
mkdir -p docs
QT_QPA_PLATFORM=offscreen build-release/tools/bildschirmfoto "$arbeit" docs/hauptfenster.png
