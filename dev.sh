#!/usr/bin/env bash
# Korvan's set-up: installs what is missing, builds, then starts the editor or runs the tests.
#   ./dev.sh start [PATH...]   build and start the editor (with PATH... added)
#   ./dev.sh test              build and run every test suite, then again with ASan and UBSan
#   ./dev.sh bench             build and run the benchmarks
#   ./dev.sh build             only build
# Safe to run again: packages already present and an up-to-date build are left alone.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="${KORVAN_BUILD_DIR:-$root/build}"
sanitized="${KORVAN_SANITIZER_BUILD_DIR:-$root/build-sanitize}"

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins
          libtag1-dev libpugixml-dev libgtest-dev libbenchmark-dev qt6-multimedia-dev)

say() { printf '==> %s\n' "$*"; }

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        say "all required packages are installed"
        return
    fi
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    say "installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_all() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        say "configuring $build"
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    say "building (2 jobs)"
    cmake --build "$build" -j2
}

build_sanitized() {
    if [ ! -f "$sanitized/CMakeCache.txt" ]; then
        say "configuring $sanitized (AddressSanitizer and UndefinedBehaviorSanitizer)"
        cmake -S "$root" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVAN_SANITIZE=ON \
            -DKORVAN_BUILD_BENCHMARKS=OFF
    fi
    say "building with sanitizers (2 jobs)"
    cmake --build "$sanitized" -j2
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
start)
    install_missing
    build_all
    say "starting the editor"
    exec "$build/src/gui/korvan" "$@"
    ;;
test)
    install_missing
    build_all
    say "running the tests"
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300)
    build_sanitized
    say "running the tests with sanitizers"
    cd "$sanitized"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j2 --timeout 600
    ;;
build)
    install_missing
    build_all
    ;;
bench)
    install_missing
    build_all
    say "running the benchmarks"
    for program in "$build"/bench/korvan-bench-*; do
        [ -x "$program" ] && "$program"
    done
    ;;
*)
    sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
