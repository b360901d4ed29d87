#!/usr/bin/env bash
# Starts the editor on a copy of tests/data under Xvfb, with the loopback release server as its
# release database, and writes screenshots of the editor (all songs selected) and of the browser
# after a search, at 1280x800 and at 1024x640:  scripts/screenshots.sh [OUTPUT-FOLDER]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KORVAN_BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"
mkdir -p "$out"

say() { printf '==> %s\n' "$*"; }
missing=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi
"$root/dev.sh" build >/dev/null
cmake --build "$build" --target korvan-release-server -j2 >/dev/null

work=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT

"$build/tests/korvan-release-server" 300 > "$work/server-root" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/server-root" ] && break; sleep 0.1; done
server=$(cat "$work/server-root")
version=$(sed -n 's/^project(Korvan VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

display=97
for size in 1280x800 1024x640; do
    width=${size%x*}; height=${size#*x}
    say "taking screenshots at $size"
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    mkdir -p "$work/$size/config/Korvan" "$work/$size/music"
    cp "$root"/tests/data/*.mp3 "$root"/tests/data/*.m4a "$work/$size/music/"
    printf '[General]\nlastReminderVersion=%s\nRELEASE_DATABASE_ROOT=%s\nSEARCH_FOR_CDS_ONLY=false\n' \
        "$version" "$server" > "$work/$size/config/Korvan/Korvan.conf"
    DISPLAY=":$display" XDG_CONFIG_HOME="$work/$size/config" XDG_CACHE_HOME="$work/$size/cache" \
        "$build/src/gui/korvan" "$work/$size/music" >/dev/null 2>&1 &
    pids+=($!)
    window=""
    for _ in $(seq 50); do
        window=$(DISPLAY=":$display" xdotool search --name '^Korvan$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    export DISPLAY=":$display"
    xdotool windowmove "$window" 0 0 windowsize "$window" "$width" "$height" windowfocus --sync "$window"
    sleep 1
    import -window root "$out/editor-empty-selection-$size.png"
    # Select every song: click into the table, then Ctrl+A.
    xdotool mousemove 200 120 click 1 key ctrl+a
    sleep 1
    import -window root "$out/editor-$size.png"
    xdotool key ctrl+f
    sleep 3
    import -window root "$out/browser-$size.png"
    kill "${pids[-1]}" "${pids[-2]}" 2>/dev/null || true
    display=$((display + 1))
done
say "screenshots in $out"
ls "$out"
