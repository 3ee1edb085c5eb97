#!/usr/bin/env bash
# Builds the sanitizer and fuzz configurations, runs every test under
# AddressSanitizer and UndefinedBehaviorSanitizer, replays every seed corpus
# and fuzzes each harness for a while. Ends with "N passed, M failed".
#
# Usage: scripts/check.sh [SECONDS]
#   SECONDS of fuzzing per harness: the argument, else $ORBELA_FUZZ_SEKUNDEN,
#   else 30. 0 only replays the seeds.
# Build folders: build-asan (gcc, all tests) and build-fuzz (clang, libFuzzer).
# Inputs found while fuzzing are kept in build-fuzz/korpus/<harness>, so
# later runs go on from there; findings land in build-fuzz/funde/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

sekunden="${1:-${ORBELA_FUZZ_SEKUNDEN:-30}}"
if [[ ! "$sekunden" =~ ^[0-9]+$ ]]; then
  echo "Aufruf: $0 [SEKUNDEN je Fuzzer]" >&2
  exit 2
fi

scripts/install-deps.sh
jobs="$(nproc)"
passed=0
failed=0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

# Any finding ends the program with an error; leaks count as findings.
export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

echo "== Tests unter AddressSanitizer und UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Release -DORBELA_BUILD_TESTS=ON -DORBELA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
set +e
ctest --test-dir build-asan --output-on-failure -j"$jobs" 2>&1 | tee "$log"
set -e
summe=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -1)
if [[ -n "$summe" ]]; then
  read -r fehl gesamt <<<"$summe"
  passed=$((passed + gesamt - fehl))
  failed=$((failed + fehl))
else
  failed=$((failed + 1)) # ctest itself failed
fi

echo "== Fuzzer"
harnesse=()
for quelle in fuzz/*.cpp; do
  harnesse+=("$(basename "$quelle" .cpp)")
done
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++-14 \
  -DORBELA_BUILD_TESTS=OFF -DORBELA_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz -j"$jobs" --target "${harnesse[@]/#/fuzz_}"
mkdir -p build-fuzz/funde

# Every seed once: the properties hold for the demo school's files.
for h in "${harnesse[@]}"; do
  if build-fuzz/fuzz/fuzz_"$h" fuzz/korpus/"$h"/* >"$log" 2>&1; then
    echo "Saat $h: bestanden"
    passed=$((passed + 1))
  else
    cat "$log"
    echo "Saat $h: FEHLER"
    failed=$((failed + 1))
  fi
done

if ((sekunden > 0)); then
  for h in "${harnesse[@]}"; do
    mkdir -p build-fuzz/korpus/"$h"
    # -timeout: an input that takes this long counts as a hang.
    if build-fuzz/fuzz/fuzz_"$h" -max_total_time="$sekunden" -timeout=20 -print_final_stats=1 \
         -artifact_prefix=build-fuzz/funde/"$h"- build-fuzz/korpus/"$h" fuzz/korpus/"$h" >"$log" 2>&1; then
      ergebnis="bestanden"
      passed=$((passed + 1))
    else
      grep -v '^#\|^INFO' "$log" | tail -40
      ergebnis="FEHLER (Fund in build-fuzz/funde/)"
      failed=$((failed + 1))
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "Fuzzer $h, ${sekunden} s: ${execs:-?} Läufe, ${rate:-?}/s: $ergebnis"
  done
fi

echo "$passed passed, $failed failed"
((failed == 0))
