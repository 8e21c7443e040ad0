#!/usr/bin/env bash
# Starts the real game in a virtual X display, covers it with another window
# that takes the focus, so that the game waits for messages, and starts it a
# second time: the second start exits with 0 and the first comes to the top.
set -u
game="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  game=$0
  top() { xwininfo -root -children | grep -m 1 -oE "^ +0x[0-9a-f]+" | tr -d " "; }
  "$game" & pid=$!
  xmessage -geometry 1280x1024+0+0 -name cover cover 2>/dev/null & cover_pid=$!
  trap "kill $pid $cover_pid 2>/dev/null" EXIT
  win=$(printf "0x%x" "$(timeout 20 xdotool search --sync --onlyvisible --name "^Vorendalite$" | head -n 1)")
  cover=$(timeout 20 xdotool search --sync --onlyvisible --classname "^cover$" | head -n 1)
  [ "$win" != 0x0 ] && [ -n "$cover" ] || { echo "no window"; exit 3; }
  # Once the game has seen the focus go and waits for messages (its main
  # thread uses no processor time for half a second), it is covered.
  xdotool windowfocus --sync "$cover"
  cpu() { awk "{print \$14 + \$15}" /proc/$pid/task/$pid/stat; }
  for i in $(seq 1 20); do
    before=$(cpu); sleep 0.5
    [ "$(cpu)" = "$before" ] && break
  done
  [ "$(cpu)" = "$before" ] || { echo "the game does not wait"; exit 3; }
  xdotool windowraise "$cover"
  sleep 0.3
  [ "$(top)" != "$win" ] || { echo "the game is not covered"; exit 3; }
  timeout 10 "$game" || { echo "the second start did not exit with 0"; exit 4; }
  for i in $(seq 1 50); do [ "$(top)" = "$win" ] && break; sleep 0.1; done
  [ "$(top)" = "$win" ] || { echo "the first game did not come to the top"; exit 5; }
  kill -TERM $pid
  for i in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && { echo "still running after SIGTERM"; exit 6; }
  wait $pid || { echo "the first game did not end well on SIGTERM"; exit 6; }
' "$game" || exit 1
echo "a second start brought the waiting game to the top"
