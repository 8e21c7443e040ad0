#!/usr/bin/env bash
# Plays the real game under a virtual X display and saves three screenshots:
# the title, stage 1 while the ship climbs firing and its bomb flies, and
# stage 1 a few seconds later with its first enemy waves.
#   tools/play_screenshots.sh [out-dir]      (default build/screenshots)
set -u
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$out"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vorendalite -j "$(nproc)" >/dev/null
game="$PWD/build/vorendalite"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="$work"  # a lock of its own, whatever else runs
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  game=$0 out=$1
  "$game" & pid=$!
  win=$(timeout 20 xdotool search --sync --name "^Vorendalite$" | head -n 1)
  [ -n "$win" ] || { echo "no window"; kill $pid; exit 3; }
  sleep 2
  import -window root "$out/title.png"
  # Keys are held a little: the game reads the key last pressed, once a frame.
  xdotool keydown --window "$win" Return; sleep 0.2; xdotool keyup --window "$win" Return
  sleep 1.5                                  # the title dissolves into stage 1
  xdotool keydown --window "$win" z Up
  sleep 0.6
  xdotool keyup --window "$win" Up
  sleep 0.4
  xdotool keydown --window "$win" x; sleep 0.1; xdotool keyup --window "$win" x
  sleep 0.3                                  # the bomb runs 0.8 s
  import -window root "$out/stage1.png"
  sleep 6                                    # the first enemy waves come in
  import -window root "$out/stage1-enemies.png"
  xdotool keyup --window "$win" z
  xdotool key --window "$win" Escape
  for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill $pid 2>/dev/null
  wait $pid
  [ -s "$out/stage1.png" ]
' "$game" "$out"
status=$?
[ $status -eq 0 ] || { echo "screenshots failed ($status)"; exit 1; }
echo "$out/title.png $out/stage1.png $out/stage1-enemies.png"
