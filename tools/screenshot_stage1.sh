#!/usr/bin/env bash
# Screenshot of stage 1 under a virtual X display: the game starts from the
# title, the ship climbs while firing, then drops a bomb, and the screen is
# captured while the bomb's volleys fly.
#   tools/screenshot_stage1.sh [GAME] [OUT.png]
# GAME defaults to build/vorendalite, which needs the generated pictures,
# sounds and songs beside it.
set -u
game=$(realpath "${1:-build/vorendalite}")
out=$(realpath -m "${2:-stage1.png}")
[ -x "$game" ] || { echo "no game at $game"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  game=$0 out=$1
  "$game" & pid=$!
  win=$(timeout 20 xdotool search --sync --name "^Vorendalite$" | head -n 1)
  [ -n "$win" ] || { echo "no window"; kill $pid; exit 3; }
  sleep 2
  # Keys are held a little: the game reads the key last pressed, once a frame.
  xdotool keydown --window "$win" Return; sleep 0.2; xdotool keyup --window "$win" Return
  sleep 1.5                                  # the title dissolves into stage 1
  xdotool keydown --window "$win" z Up
  sleep 0.6
  xdotool keyup --window "$win" Up
  sleep 0.4
  xdotool keydown --window "$win" x; sleep 0.1; xdotool keyup --window "$win" x
  sleep 0.3                                  # the bomb runs 0.8 s
  import -window root "$out"
  xdotool keyup --window "$win" z
  xdotool key --window "$win" Escape
  for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill $pid 2>/dev/null
  wait $pid
  [ -s "$out" ]
' "$game" "$out"
status=$?
[ $status -eq 0 ] || { echo "screenshot failed ($status)"; exit 1; }
echo "stage 1 captured in $out"
