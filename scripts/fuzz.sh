#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for SECONDS (60 by default):
#   scripts/fuzz.sh [SECONDS]
# Seeds come from tests/data and ../shared/corpus; findings land in build-fuzz/findings/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}
say() { printf '==> %s\n' "$*"; }

missing=()
for package in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi
"$root/dev.sh" build >/dev/null   # the project's own packages
if [ ! -f "$build/CMakeCache.txt" ]; then
    say "configuring $build"
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVAN_FUZZ=ON \
        -DKORVAN_BUILD_GUI=OFF -DKORVAN_BUILD_TESTS=OFF -DKORVAN_BUILD_BENCHMARKS=OFF >/dev/null
fi
say "building the fuzzers"
cmake --build "$build" --target korvan-readfuzzer korvan-replyfuzzer -j2 >/dev/null

mkdir -p "$build/corpus/read" "$build/corpus/reply" "$build/findings"
cp -n "$root"/tests/data/*.mp3 "$root"/tests/data/*.m4a "$build/corpus/read/" 2>/dev/null || true
[ -d "$root/../shared/corpus/taglib" ] && cp -n "$root"/../shared/corpus/taglib/* "$build/corpus/read/" 2>/dev/null || true
cp -n "$root"/tests/data/releases/*.xml "$build/corpus/reply/" 2>/dev/null || true

export XDG_CONFIG_HOME="$build/config" ASAN_OPTIONS=detect_leaks=0
for fuzzer in read reply; do
    say "fuzzing $fuzzer for $seconds s"
    "$build/fuzz/korvan-${fuzzer}fuzzer" "$build/corpus/$fuzzer" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=$([ "$fuzzer" = read ] && echo 262144 || echo 65536) \
        -artifact_prefix="$build/findings/$fuzzer-" -print_final_stats=1 2>&1 | grep -E '^(#|stat::|==|SUMMARY)' | tail -8
done
say "findings (empty when none): $(ls "$build/findings" | tr '\n' ' ')"
