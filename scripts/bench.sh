#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks and runs them, ten
# repetitions each: a keystroke and a full redraw of the grid drawn into
# bitmaps; a keystroke through the real main window on the demo plan (median
# and 99th percentile of 1,000 keystrokes, with the list of the week's
# conflicts closed and open); the time from the program's start
# to its first painted window; the time per printed page of every printout of
# the demo school written as PDF; all of those pages in one PDF file; the
# print preview of twenty class plans; opening the substitution window
# over a week's folder of 40 and of 200 substitution plans (reading and
# counting them, redrawing the week, rebuilding the proposal lists; the
# target is under 50 ms for 40); and the week's conflict scan, the drop
# targets of a day and the conflict window on a full plan; all web pages and
# all calendar files of a full 20-class school written to disk (under 1 s each);
# the swap chains of every lesson of a full plan (the lengths for a day's
# targets, the chains for one target).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=OFF -DORBELA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target orbela_bench

QT_QPA_PLATFORM=offscreen exec build-bench/bench/orbela_bench \
  --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
