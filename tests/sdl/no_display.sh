#!/usr/bin/env bash
# Starts the real game with no display at all, twice: each start must print one
# line on stderr and fail within a second, and must leave the single-instance
# lock free (the second start fails the same way, not as "already running").
set -u
game="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER
for start in 1 2; do
  timeout 1 "$game" 2>err.txt
  status=$?
  [ $status -ne 124 ] || { echo "start $start: still running after a second"; exit 1; }
  [ $status -ne 0 ] || { echo "start $start: exit status 0 without a window"; exit 1; }
  [ "$(wc -l <err.txt)" -eq 1 ] || { echo "start $start: stderr is not one line:"; cat err.txt; exit 1; }
  for lock in "$work"/*.lock; do
    [ -e "$lock" ] || continue
    flock -n "$lock" true || { echo "start $start: the lock is still held"; exit 1; }
  done
done
echo "no display: $(cat err.txt) (exit $status)"
