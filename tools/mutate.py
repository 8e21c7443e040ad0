#!/usr/bin/env python3
"""Plants single-line faults one at a time and reports the first test that fails.

Run on demand (not part of `make test`):

    tools/mutate.py [--jobs 3] [--list tools/mutations.txt] [--only LABEL ...]
                    [--survivors-of REPORT] [--report build/mutation-report.md]
                    [--source TREE] [--filter GTEST_FILTER] [--sanitize] [--check]

Each fault in the list names its line by a text fragment that must occur exactly
once in the game's sources (every top-level folder except tests, bench, fuzz and
tools), so the list survives files being moved. The script checks every entry
first and stops with the bad ones listed. It then copies the tree into --jobs
scratch folders, configures and builds each once (release, with ccache when
installed), and for each fault: applies it, rebuilds, runs build/engine_tests,
build/game_tests and build/asset_tests with fail-fast, records the first
failing test (SURVIVED when all pass, BUILD-FAIL for an entry that does not
compile: fix the entry), and restores the file.

List format, one fault per line (blank lines and lines starting with # skipped):

    label :: original fragment ==> replacement

An empty replacement deletes the fragment (a dropped call).
"""
import argparse
import concurrent.futures
import hashlib
import os
import pathlib
import queue
import re
import shutil
import subprocess
import sys
import threading
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
SKIP_DIRS = {"tests", "bench", "fuzz", "tools", ".git", ".ci"}
BINARIES = ["engine_tests", "game_tests", "asset_tests"]
TEST_TIMEOUT = 600
BUILD_TIMEOUT = 900


def source_files(root):
    for top in sorted(root.iterdir()):
        if not top.is_dir() or top.name in SKIP_DIRS or top.name.startswith("build"):
            continue
        for path in sorted(top.rglob("*")):
            if path.suffix in (".cpp", ".h") and path.is_file():
                yield path


def read_list(path):
    faults = []
    for n, line in enumerate(path.read_text().splitlines(), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        label, sep, rest = line.partition(" :: ")
        original, sep2, replacement = rest.partition(" ==>")
        if not sep or not sep2 or not original:
            sys.exit(f"{path}:{n}: expected 'label :: original ==> replacement'")
        faults.append((label.strip(), original, replacement.removeprefix(" ")))
    labels = [f[0] for f in faults]
    dupes = {l for l in labels if labels.count(l) > 1}
    if dupes:
        sys.exit(f"duplicate labels: {sorted(dupes)}")
    return faults


def locate(faults, root):
    """Maps each fault to the one file holding its fragment; exits on any bad entry."""
    texts = {p.relative_to(root): p.read_text(errors="replace") for p in source_files(root)}
    located, bad = [], []
    for label, original, replacement in faults:
        hits = [(p, t.count(original)) for p, t in texts.items() if original in t]
        total = sum(c for _, c in hits)
        if total != 1:
            where = ", ".join(f"{p} x{c}" for p, c in hits) or "nowhere"
            bad.append(f"  {label}: fragment {original!r} found {total} times ({where})")
        elif original == replacement:
            bad.append(f"  {label}: replacement equals the original")
        else:
            located.append((label, str(hits[0][0]), original, replacement))
    if bad:
        sys.exit("bad fault entries:\n" + "\n".join(bad))
    return located


def run(cmd, cwd, env, timeout):
    try:
        p = subprocess.run(cmd, cwd=cwd, env=env, timeout=timeout, stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT, text=True, errors="replace")
        return p.returncode, p.stdout
    except subprocess.TimeoutExpired as e:
        out = e.stdout.decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or "")
        return None, out


class Copy:
    def __init__(self, source, folder, build_jobs, gtest_filter, nets, sanitize):
        self.source = source
        self.sanitize = sanitize
        self.gtest_filter = gtest_filter
        self.nets = nets
        self.folder = folder
        self.build_jobs = build_jobs
        self.env = dict(os.environ, CCACHE_BASEDIR=str(folder), CCACHE_NOHASHDIR="true")

    def copy(self):
        if self.folder.exists():
            shutil.rmtree(self.folder)
        shutil.copytree(self.source, self.folder, symlinks=True,
                        ignore=shutil.ignore_patterns(".git", "build", "build-*", "*.pyc"))

    def prepare(self, check_tests=True):
        kind = (["-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DVORENDALITE_SANITIZE=ON"]
                if self.sanitize else ["-DCMAKE_BUILD_TYPE=Release"])
        # ccache lets the copies share their first builds; without it each builds alone.
        launcher = (["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
                    if shutil.which("ccache") else [])
        rc, out = run(["cmake", "-S", ".", "-B", "build"] + kind + launcher, self.folder, self.env,
                      BUILD_TIMEOUT)
        if rc != 0:
            sys.exit(f"configure failed in {self.folder}:\n{out[-3000:]}")
        rc, out = self.build()
        if rc != 0:
            sys.exit(f"the unchanged tree does not build in {self.folder}:\n{out[-3000:]}")
        for binary in BINARIES if check_tests else []:
            first = self.first_failure(binary, self.gtest_filter)
            if first:
                sys.exit(f"the unchanged tree fails {binary}: {first}")

    def build(self):
        return run(["cmake", "--build", "build", "-j", str(self.build_jobs), "--target"] + BINARIES,
                   self.folder, self.env, BUILD_TIMEOUT)

    def first_failure(self, binary, gtest_filter):
        cmd = [f"build/{binary}", "--gtest_fail_fast", "--gtest_brief=1"]
        if gtest_filter:
            cmd.append(f"--gtest_filter={gtest_filter}")
        rc, out = run(cmd, self.folder, self.env, TEST_TIMEOUT)
        if rc == 0:
            return None
        m = re.search(r"^\[  FAILED  \] ([^\s,]+)", out, re.M)
        if m:
            return m.group(1)
        if rc is None:
            return f"{binary}: TIMEOUT"
        return f"{binary}: exit {rc}"

    def try_fault(self, rel, original, replacement):
        """The first failing test without the nets, and with them (when --nets is given)."""
        path = self.folder / rel
        text = path.read_text()
        path.write_text(text.replace(original, replacement, 1))
        try:
            rc, out = self.build()
            if rc != 0:
                return "BUILD-FAIL", "BUILD-FAIL"
            # The binary that covers the changed folder goes first.
            order = BINARIES if rel.split("/")[0] in ("engine", "platform") else \
                ["game_tests", "engine_tests", "asset_tests"]
            main = self.gtest_filter or "*"
            if self.nets:
                main += ("-" if "-" not in main else ":") + self.nets
            for binary in order:
                first = self.first_failure(binary, main)
                if first:
                    return first, first
            if not self.nets:
                return "SURVIVED", "SURVIVED"
            return "SURVIVED", self.first_failure("game_tests", self.nets) or "SURVIVED"
        finally:
            path.write_text(text)


def survivors(report):
    labels = []
    for line in pathlib.Path(report).read_text().splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) >= 4 and cells[-1] in ("SURVIVED", "BUILD-FAIL"):
            labels.append(cells[1].strip("`"))
    return labels


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--jobs", type=int, default=3, help="scratch copies run side by side")
    ap.add_argument("--build-jobs", type=int, default=2, help="compiler jobs per copy")
    ap.add_argument("--list", default=str(ROOT / "tools" / "mutations.txt"))
    ap.add_argument("--only", nargs="*", help="run only these labels")
    ap.add_argument("--survivors-of", help="run only the faults a previous report left alive")
    ap.add_argument("--filter", help="run only the tests this gtest filter names")
    ap.add_argument("--nets", help="gtest filter of the broad nets: each fault is run without"
                    " them first, and with them only if it survives (a second column)")
    ap.add_argument("--sanitize", action="store_true", help="build the copies with ASan and UBSan,"
                    " for faults that only read or write out of bounds (tagged so in the list)")
    ap.add_argument("--check", action="store_true", help="only check that every entry is found")
    ap.add_argument("--source", default=str(ROOT), help="the tree to copy (default: this one)")
    # One scratch folder per tree, so that runs from two checkouts never share it.
    tree = hashlib.sha1(str(ROOT).encode()).hexdigest()[:8]
    ap.add_argument("--work", default=f"/tmp/vorendalite-mutate-{os.getuid()}-{tree}")
    ap.add_argument("--report", default=str(ROOT / "build" / "mutation-report.md"))
    args = ap.parse_args()

    source = pathlib.Path(args.source).resolve()
    faults = locate(read_list(pathlib.Path(args.list)), source)
    print(f"{len(faults)} faults, every fragment found exactly once")
    if args.check:
        return
    wanted = set(args.only or [])
    if args.survivors_of:
        wanted |= set(survivors(args.survivors_of))
    if args.only is not None or args.survivors_of:
        faults = [f for f in faults if f[0] in wanted]

    copies = [Copy(source, pathlib.Path(args.work) / str(i), args.build_jobs, args.filter, args.nets,
                   args.sanitize)
              for i in range(args.jobs)]
    started = time.time()
    for c in copies:  # all taken at once, so later edits of the tree do not mix in
        c.copy()
    copies[0].prepare()  # fills the compiler cache for the others
    with concurrent.futures.ThreadPoolExecutor(len(copies)) as pool:
        list(pool.map(lambda c: c.prepare(check_tests=False), copies[1:]))
    print(f"{len(copies)} copies ready in {time.time() - started:.0f} s", flush=True)

    todo = queue.Queue()
    for i, f in enumerate(faults):
        todo.put((i, f))
    results = [None] * len(faults)
    lock = threading.Lock()

    def report():
        """The table so far: faults not yet run show as pending."""
        head = "| # | fault | file | first failing test |" + (" with the nets |" if args.nets else "")
        rows = [head, "|---|---|---|---|" + ("---|" if args.nets else "")]
        done = [(f, r) for f, r in zip(faults, results) if r is not None]
        for i, ((label, rel, _, _), result) in enumerate(zip(faults, results), 1):
            first, with_nets = result or ("pending", "pending")
            extra = f" {with_nets if first == 'SURVIVED' else '(as before)'} |" if args.nets else ""
            rows.append(f"| {i} | `{label}` | {rel} | {first} |{extra}")
        alive = [f[0] for f, r in done if r[-1] == "SURVIVED"]
        broken = [f[0] for f, r in done if r[0] == "BUILD-FAIL"]
        text = "\n".join(rows) + (
            f"\n\n{len(done)} of {len(faults)} faults run: "
            f"{len(done) - len(alive) - len(broken)} killed, {len(alive)} survived, "
            f"{len(broken)} bad entries (BUILD-FAIL), in {time.time() - started:.0f} s\n")
        if args.nets:
            first_alive = sum(r[0] == "SURVIVED" for _, r in done)
            text += (f"without the nets {first_alive} survive; the nets kill "
                     f"{first_alive - len(alive)} of them\n")
        pathlib.Path(args.report).parent.mkdir(parents=True, exist_ok=True)
        pathlib.Path(args.report).write_text(text)
        return text, alive, broken

    def worker(copy):
        while True:
            try:
                i, (label, rel, original, replacement) = todo.get_nowait()
            except queue.Empty:
                return
            result = copy.try_fault(rel, original, replacement)
            with lock:
                results[i] = result
                print(f"[{sum(r is not None for r in results)}/{len(faults)}] {label}: "
                      f"{' / '.join(dict.fromkeys(result))}", flush=True)
                report()  # written as it goes, so a cut run still leaves its table

    threads = [threading.Thread(target=worker, args=(c,)) for c in copies]
    for t in threads:
        t.start()
    for t in threads:
        t.join()

    text, alive, broken = report()
    print(text)
    if alive:
        print("survived: " + ", ".join(alive))
    if broken:
        print("bad entries (do not build): " + ", ".join(broken))
    sys.exit(1 if alive or broken else 0)

if __name__ == "__main__":
    main()
