#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its own data
# folder (data/ beside the sources), where it keeps its side files. Demo files
# the folder lacks are copied in first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target orbela orbela_demo

# Files already in data/ are kept, whatever the demo holds.
scripts/seed-data.sh build-release/demo data
cd data
exec "$root/build-release/src/orbela" "$@"
