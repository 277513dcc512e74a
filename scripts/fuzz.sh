#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each one over its seed
# corpus for a share of FUZZ_SECONDS (default 60 in all). A crash, a leak or a
# sanitizer report fails the script; the input that did it is kept in
# build-fuzz/artifacts/. Installs clang and libFuzzer with apt-get when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
"$(pwd)/scripts/deps.sh" clang-14 libclang-rt-14-dev libfuzzer-14-dev

build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DORIN_FUZZ=ON -DORIN_WITH_QT=OFF -DORIN_BUILD_TESTS=OFF \
    -DORIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target orin_fuzzers

mapfile -t fuzzers < <(grep -v '^$' "$build_dir/fuzzers.txt")
seconds=$(( ${FUZZ_SECONDS:-60} / ${#fuzzers[@]} ))
[ "$seconds" -ge 1 ] || seconds=1
mkdir -p "$build_dir/artifacts"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for f in "${fuzzers[@]}"; do
    name=${f#fuzz_}
    # New inputs go to a scratch corpus; the seeds in the repository stay as
    # they are.
    work="$build_dir/corpus/$name"
    mkdir -p "$work"
    seeds=()
    [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
    log="$build_dir/$f.log"
    if ! "$build_dir/bin/$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build_dir/artifacts/$f-" \
        "$work" "${seeds[@]}" >"$log" 2>&1; then
        echo "fuzz: $f FAILED" >&2
        tail -40 "$log" >&2
        status=1
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    echo "fuzz: $f: ${runs:-?} runs in ${seconds} s, ${speed:-?} per second"
done
exit $status
