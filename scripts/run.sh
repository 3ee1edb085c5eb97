#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its own data
# folder (data/ beside the sources), where it keeps its side files.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target orbela

mkdir -p data
cd data
exec "$root/build-release/src/orbela" "$@"
