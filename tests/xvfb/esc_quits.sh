#!/usr/bin/env bash
# Starts the real game in a virtual X display, checks that its frames reach the
# screen, presses Esc, and expects it to save the high score and exit with 0.
# Then, with a high score on file that the title's 500 must not lower, it ends
# the game on the title with Esc and with SIGTERM: the file keeps its value.
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
  # The score the file holds: its digits, and only when it is 255 bytes.
  saved() { [ "$(stat -c %s score.dat)" -eq 255 ] && tr -d "\0" < score.dat; }
  start() {
    "$0" & pid=$!
    timeout 20 xdotool search --sync --name "^Vorendalite$" >/dev/null
    sleep 1
    # Looked up again once settled: the first window seen may have been replaced.
    win=$(xdotool search --name "^Vorendalite$" | tail -n 1)
    [ -n "$win" ] || { echo "no window"; kill $pid; exit 3; }
  }
  # Waits up to 10 s for the game to end after $1, then wants exit code 0.
  ended() {
    for i in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "still running after $1"; kill -9 $pid; exit 4; fi
    wait $pid || { echo "exit status $? after $1"; exit 1; }
  }
  start
  # The title must reach the screen: frames ran and were shown.
  for i in $(seq 1 20); do
    import -window root shot.png
    lit=$(convert shot.png -format "%[fx:maxima.r+maxima.g+maxima.b]" info:)
    [ "$lit" != "0" ] && break
    sleep 0.5
  done
  [ "$lit" != "0" ] || { echo "the screen stayed black"; kill $pid; exit 5; }
  xdotool key --window "$win" Escape
  ended Esc
  [ "$(saved)" = 500 ] || { echo "Esc did not save 500 in 255 bytes"; exit 6; }
  for way in Esc SIGTERM; do
    { printf 135467450; head -c 246 /dev/zero; } > score.dat
    start
    if [ $way = Esc ]; then xdotool key --window "$win" Escape; else kill -TERM $pid; fi
    ended $way
    [ "$(saved)" = 135467450 ] || { echo "$way on the title lowered the high score"; exit 7; }
  done
' "$game"
status=$?
[ $status -eq 0 ] || { echo "failed with status $status"; exit 1; }
echo "frames shown; Esc saved the high score; Esc and SIGTERM on the title kept a higher one"
