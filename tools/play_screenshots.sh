#!/usr/bin/env bash
# Plays the real game under Xvfb and saves screenshots: the title, then
# stage 1 a few seconds after Enter (optionally with keys held there).
#   tools/play_screenshots.sh [out-dir] [keys to hold in the stage...]
set -eu
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
shift || true
mkdir -p "$out"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vorendalite -j "$(nproc)" >/dev/null
game="$PWD/build/vorendalite"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy
(cd "$work" && xvfb-run -a -s "-screen 0 1280x960x24" bash -c '
  out=$1; game=$2; shift 2
  "$game" & pid=$!
  win=$(timeout 20 xdotool search --sync --name "^Vorendalite$" | head -n 1)
  sleep 2
  import -window root "$out/title.png"
  xdotool keydown --window "$win" Return; sleep 0.2; xdotool keyup --window "$win" Return
  sleep 1
  for k in "$@"; do xdotool keydown --window "$win" "$k"; done
  sleep 3
  import -window root "$out/stage1.png"
  for k in "$@"; do xdotool keyup --window "$win" "$k"; done
  xdotool key --window "$win" Escape
  wait $pid
' _ "$out" "$game" "$@")
echo "$out/title.png $out/stage1.png"
