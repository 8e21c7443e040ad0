#!/usr/bin/env bash
# Starts the real game in a virtual X display, checks that its frames reach the
# screen, presses Esc, and expects it to save the high score and exit with 0.
set -u
game="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy
# A runtime folder of its own: another copy of the game running on this
# machine must not hold the single-instance lock this test takes.
export XDG_RUNTIME_DIR="$work"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" & pid=$!
  win=$(timeout 20 xdotool search --sync --name "^Vorendalite$" | head -n 1)
  [ -n "$win" ] || { echo "no window"; kill $pid; exit 3; }
  # The title must reach the screen: frames ran and were shown.
  for i in $(seq 1 20); do
    sleep 0.5
    import -window root shot.png
    lit=$(convert shot.png -format "%[fx:maxima.r+maxima.g+maxima.b]" info:)
    [ "$lit" != "0" ] && break
  done
  [ "$lit" != "0" ] || { echo "the screen stayed black"; kill $pid; exit 5; }
  xdotool key --window "$win" Escape
  for i in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "still running after Esc"; kill -9 $pid; exit 4; fi
  wait $pid
' "$game"
status=$?
[ $status -eq 0 ] || { echo "exit status $status"; exit 1; }
[ -f score.dat ] || { echo "no score.dat written"; exit 1; }
[ "$(stat -c %s score.dat)" -eq 255 ] || { echo "score.dat is not 255 bytes"; exit 1; }
echo "window opened, Esc saved the high score and the game exited with 0"
