#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each for a while, starting from the seed corpus in fuzz/corpus/.
#
#   tools/fuzz.sh [seconds per target] [target ...]
#
# By default every target (ansitext commandrequest inifile projectlist reporttree) runs 600
# seconds. The corpus a run grows is kept in build-fuzz/corpus/<target> and the next run starts
# from it. An input that breaks a target is saved in build-fuzz/crashes/<target>/ and the script
# fails; replay it with build-fuzz/fuzz/fuzz_<target> <file>. FUZZ_BUILD_DIR names another build
# folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ansitext commandrequest inifile projectlist reporttree)
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}

# libFuzzer and the sanitizer runtimes for clang come with these on Debian and Ubuntu.
packages=(clang libclang-rt-dev)
tools/install-packages.sh "${packages[@]}"

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLYHAWK_SANITIZE=ON -DTALLYHAWK_FUZZ=ON -DBUILD_TESTING=OFF -DTALLYHAWK_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target fuzz_all --parallel

total=0
failed=()
for target in "${targets[@]}"; do
    corpus="$build_dir/corpus/$target"
    crashes="$build_dir/crashes/$target/"
    log="$build_dir/fuzz_$target.log"
    mkdir -p "$corpus" "$crashes"
    if ! "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes" \
        "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "fuzz_$target: ${runs:-0} runs in $seconds s"
    total=$((total + ${runs:-0}))
done
echo "Fuzzing: $total runs in all"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing broke: ${failed[*]} (inputs in $build_dir/crashes/)" >&2
    exit 1
fi
