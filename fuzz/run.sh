#!/usr/bin/env bash
# Runs the fuzz targets, one after the other, each for a bounded time on the seed corpus in
# fuzz/corpus/<target>/ plus what earlier runs of this build directory found.
#
#   fuzz/run.sh [-t SECONDS] [-b BUILD_DIR] [TARGET...]
#
# SECONDS defaults to 20 per target, BUILD_DIR to build-fuzz; the targets default to all of them.
# New inputs go to BUILD_DIR/fuzz-corpus/<target>/, a finding to BUILD_DIR/fuzz-findings/; the
# seed corpus in the repository is only read. Exits non-zero when any target finds anything.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_EACH=20
BUILD_DIR="$ROOT/build-fuzz"
while getopts "t:b:" option; do
    case "$option" in
        t) SECONDS_EACH="$OPTARG" ;;
        b) BUILD_DIR="$(cd "$OPTARG" && pwd)" ;;
        *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(number_rules display_pattern panels plan)

# Reports name the source lines when a symbolizer is at hand.
for symbolizer in llvm-symbolizer llvm-symbolizer-14; do
    if command -v "$symbolizer" >/dev/null; then
        export ASAN_SYMBOLIZER_PATH="$(command -v "$symbolizer")"
        break
    fi
done
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

passed=0
failed=0
for target in "${TARGETS[@]}"; do
    binary="$BUILD_DIR/fuzz/${target}_fuzzer"
    found="$BUILD_DIR/fuzz-corpus/$target"
    findings="$BUILD_DIR/fuzz-findings"
    log="$BUILD_DIR/fuzz-logs/$target.log"
    mkdir -p "$found" "$findings" "$(dirname "$log")"
    dict=()
    [ "$target" = display_pattern ] || dict=(-dict="$ROOT/fuzz/numbers.dict")

    if "$binary" "$found" "$ROOT/fuzz/corpus/$target" "${dict[@]}" \
        -max_total_time="$SECONDS_EACH" -max_len=256 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" >"$log" 2>&1; then
        status=ok
        passed=$((passed + 1))
    else
        status=FINDING
        failed=$((failed + 1))
        grep -E "check failed|ERROR|runtime error|SUMMARY|Test unit written" "$log" >&2 || true
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    printf '%-16s %-8s %10s execs %8s exec/s  (log: %s)\n' \
        "$target" "$status" "${execs:-?}" "${rate:-?}" "$log"
done
if [ "$failed" -eq 0 ]; then
    echo "fuzzing: no findings in $passed targets"
else
    echo "fuzzing: findings in $failed of $((passed + failed)) targets"
fi
[ "$failed" -eq 0 ]
