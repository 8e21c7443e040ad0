#!/usr/bin/env bash
# Builds the game and its tests with gcc's coverage counters into build-coverage/,
# runs every headless test that ctest knows, and writes into build/coverage/:
#   html/index.html   the annotated sources
#   summary.txt       functions and lines entered, per source folder
#   unentered.txt     the functions of those folders that no test enters
# Run through `make coverage`; it is not part of `make test`.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-coverage
out=$root/build/coverage
jobs=${JOBS:-$(nproc)}
folders=(engine game player enemies bosses homing stages platform)

tools/install-deps.sh lcov
# lcov with its Perl warnings and the notes on files without code left out.
lcov() { command lcov --quiet "$@" 2> >(grep -vE 'redefined at|did not produce any data' >&2); }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Unoptimised, so that every line keeps its own counter.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

# Count from zero: the build itself ran the generator. Files no test loads
# (the SDL backend, the game's main) enter the figures from the baseline at zero.
find "$build" -name '*.gcda' -delete
lcov --capture --initial --directory "$build" --output-file "$build/baseline.info"
# Only the headless tests: the SDL and Xvfb ones start the real window.
(cd "$build" && ctest -j "$jobs" -E '^(sdl_|xvfb_)' --output-on-failure) ||
  echo "coverage: some tests failed; the figures still count what they ran"
lcov --capture --directory "$build" --output-file "$build/tests.info"
lcov --add-tracefile "$build/baseline.info" --add-tracefile "$build/tests.info" \
  --output-file "$build/all.info"
patterns=()
for folder in "${folders[@]}"; do patterns+=("$root/$folder/*"); done
lcov --extract "$build/all.info" "${patterns[@]}" --output-file "$build/folders.info"

rm -rf "$out"
mkdir -p "$out"
genhtml --quiet --demangle-cpp --prefix "$root" --output-directory "$out/html" "$build/folders.info"

# Per file the trace holds SF:path, FN:line,name, FNDA:count,name, LF and LH.
awk -v root="$root/" -v folders="${folders[*]}" '
  BEGIN { n = split(folders, order, " ") }
  /^SF:/ { path = substr($0, 4); sub("^" root, "", path); dir = path; sub("/.*", "", dir) }
  /^FN:/ { split(substr($0, 4), f, ","); line[f[2]] = f[1] }
  /^FNDA:/ {
    split(substr($0, 6), f, ","); fn[dir]++; total_fn++
    if (f[1] > 0) { fnhit[dir]++; total_fnhit++ } else print path ":" line[f[2]] " " f[2] > "/dev/stderr"
  }
  /^LF:/ { lf[dir] += substr($0, 4); total_lf += substr($0, 4) }
  /^LH:/ { lh[dir] += substr($0, 4); total_lh += substr($0, 4) }
  function row(name, fh, ft, h, t) {
    printf "%-10s functions %5d/%-5d %5.1f%%   lines %6d/%-6d %5.1f%%\n", name, fh, ft, ft ? 100 * fh / ft : 0, h, t, t ? 100 * h / t : 0
  }
  END {
    for (i = 1; i <= n; i++) row(order[i] "/", fnhit[order[i]], fn[order[i]], lh[order[i]], lf[order[i]])
    row("total", total_fnhit, total_fn, total_lh, total_lf)
  }' "$build/folders.info" > "$out/summary.txt" 2> "$build/unentered.raw"

# One line per function as C++ names it, by file and line.
c++filt < "$build/unentered.raw" | sort -t: -k1,1 -k2,2n | uniq > "$out/unentered.txt"
cat "$out/summary.txt"
echo "coverage: $(wc -l < "$out/unentered.txt") functions never entered, listed in build/coverage/unentered.txt"
echo "coverage: annotated sources in build/coverage/html/index.html"
