#!/usr/bin/env bash
# Shows the test picture through the SDL backend under Xvfb (a 1280 x 1024
# screen, so the 640 x 480 frame is scaled to the window with its aspect kept)
# and saves a PNG of the whole screen.   tools/screenshot.sh [out.png]
set -eu
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target show_test_picture -j "$(nproc)" >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  ./build/show_test_picture 4 &
  pid=\$!
  sleep 2
  import -window root '$out'
  wait \$pid"
echo "$out"
