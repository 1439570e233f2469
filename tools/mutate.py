#!/usr/bin/env python3
"""Mutation runner: does the test suite notice a small mistake in the code?

Each list under tools/mutations/ names single-line changes of the kind a programmer makes by
mistake (a constant, a comparison, a sign, a dropped statement, an off-by-one). The runner
applies them one at a time in a throwaway clone, rebuilds incrementally (one build directory,
ccache), runs ctest and reports each change as caught (some test failed or timed out) or
slipped through (every test passed), with the share caught per list and over all.

List format (lines starting with # are comments, blank lines separate entries):

    == common/numberformat.cpp            source file of the entries that follow
    tests: test_numberformat test_numbertext    optional: only these tests (faster, never kinder)
    exponent form from ten million on     description
    - if (sci.exponent >= significant     exact text to find (once, within one line)
    + if (sci.exponent > significant      its replacement (a lone "+" drops the text)
    ~ reason                              optional: a known equivalent change, skipped by default

Slow by nature: run it niced (it does that itself) when others share the machine, e.g.
    python3 tools/mutate.py --list common --sample 10
"""

import argparse
import dataclasses
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LISTS = ROOT / "tools" / "mutations"


@dataclasses.dataclass
class Mutation:
    list_name: str
    number: int          # position in its list, from 1
    source: str          # path relative to the repository
    description: str
    original: str
    replacement: str
    tests: list
    equivalent: str = ""  # why it cannot be caught, when it cannot
    line: int = 0

    def label(self):
        return f"{self.list_name}#{self.number} {self.source}:{self.line} {self.description}"


class ListError(Exception):
    pass


def parse_list(path):
    mutations = []
    source, tests = None, []
    entry = None

    def finish():
        nonlocal entry
        if entry is None:
            return
        if entry.get("original") is None or entry.get("replacement") is None:
            raise ListError(f"{path}: entry '{entry['description']}' needs a '-' and a '+' line")
        mutations.append(Mutation(path.stem, len(mutations) + 1, source, entry["description"], entry["original"],
                                  entry["replacement"], list(tests), entry.get("equivalent", "")))
        entry = None

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.rstrip("\n")
        stripped = line.strip()
        if not stripped:
            finish()
            continue
        if stripped.startswith("#"):
            continue
        if stripped.startswith("== "):
            finish()
            source, tests = stripped[3:].strip(), []
            continue
        if stripped.startswith("tests:"):
            finish()
            tests = stripped[len("tests:"):].split()
            continue
        if source is None:
            raise ListError(f"{path}:{number}: an entry before the first '== file' line")
        # The text after "- " and "+ " is taken exactly, inner blanks included.
        body = line.lstrip()
        if body.startswith("- ") or body == "-":
            if entry is None:
                raise ListError(f"{path}:{number}: '-' without a description line")
            if entry["original"] is not None:
                raise ListError(f"{path}:{number}: a second '-' line: each change is one line")
            entry["original"] = body[2:]
        elif body.startswith("+ ") or body == "+":
            if entry is None:
                raise ListError(f"{path}:{number}: '+' without a description line")
            if entry["replacement"] is not None:
                raise ListError(f"{path}:{number}: a second '+' line: each change is one line")
            entry["replacement"] = body[2:]
        elif body.startswith("~ "):
            if entry is None:
                raise ListError(f"{path}:{number}: '~' without a description line")
            entry["equivalent"] = body[2:].strip()
        else:
            finish()
            entry = {"description": stripped, "original": None, "replacement": None}
    finish()
    return mutations


def locate(mutation, root):
    """Checks that the original text occurs exactly once and notes its line."""
    path = root / mutation.source
    if not path.is_file():
        raise ListError(f"{mutation.label()}: no such file")
    text = path.read_text(encoding="utf-8")
    count = text.count(mutation.original)
    if count != 1:
        raise ListError(f"{mutation.label()}: the text occurs {count} times: {mutation.original!r}")
    if "\n" in mutation.original:
        raise ListError(f"{mutation.label()}: the text spans lines")
    mutation.line = text[: text.index(mutation.original)].count("\n") + 1


def run(command, cwd, timeout=None, env=None, quiet=True):
    """Runs a command niced in its own process group; returns (exit code or None on timeout, output)."""
    process = subprocess.Popen(["nice", "-n", "19"] + command, cwd=cwd, env=env, start_new_session=True,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    except KeyboardInterrupt:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise


def tracked_files(root):
    listing = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=root, check=True,
                             capture_output=True).stdout
    return [name for name in listing.decode().split("\0") if name]


def prepare_clone(root, work):
    """A clone with the working tree's current files; unchanged files keep their times."""
    clone = work / "src"
    if not (clone / ".git").exists():
        work.mkdir(parents=True, exist_ok=True)
        subprocess.run(["git", "clone", "--quiet", "--no-hardlinks", str(root), str(clone)], check=True)
    wanted = set(tracked_files(root))
    for name in wanted:
        source, target = root / name, clone / name
        if not source.is_file():
            continue
        data = source.read_bytes()
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    # Files gone from the working tree must not linger in the clone's build.
    for name in set(tracked_files(clone)) - wanted:
        (clone / name).unlink(missing_ok=True)
    return clone


def environment():
    env = dict(os.environ)
    env.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
    env.setdefault("CCACHE_DIR", "/work/.ccache" if Path("/work/.ccache").is_dir() else str(Path.home() / ".ccache"))
    env["QT_QPA_PLATFORM"] = "offscreen"
    if "XDG_RUNTIME_DIR" not in env:
        runtime = Path("/tmp") / f"mutate-runtime-{os.getuid()}"
        runtime.mkdir(mode=0o700, exist_ok=True)
        env["XDG_RUNTIME_DIR"] = str(runtime)
    return env


class Builder:
    def __init__(self, clone, build, jobs, env):
        self.clone, self.build, self.jobs, self.env = clone, build, jobs, env

    def configure(self):
        # No optimisation: a mutant compiles faster, and the tests do not care.
        code, output = run(["cmake", "-S", str(self.clone), "-B", str(self.build), "-DCMAKE_BUILD_TYPE=Debug",
                            "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DZENTAVIK_BENCH=OFF"], self.clone, env=self.env)
        if code != 0:
            sys.exit("cmake failed:\n" + output[-3000:])

    def compile(self, targets, timeout):
        command = ["cmake", "--build", str(self.build), "-j", str(self.jobs)]
        for target in targets:
            command += ["--target", target]
        return run(command, self.clone, timeout=timeout, env=self.env)

    def test(self, tests, timeout):
        command = ["ctest", "--test-dir", str(self.build), "-j", str(self.jobs), "--output-on-failure"]
        if tests:
            command += ["-R", "^(" + "|".join(re.escape(t) for t in tests) + ")$"]
        return run(command, self.clone, timeout=timeout, env=self.env)


def failed_tests(output):
    """The failed test programs, and the test functions that failed in them (QtTest's FAIL! lines)."""
    programs = sorted(set(re.findall(r"\d+ - (\S+) \([^)]*\)", output)))
    functions = sorted(set(re.findall(r"FAIL!\s*:\s*\w+::(\w+)\(", output)))
    shown = functions[:4] + (["..."] if len(functions) > 4 else [])
    return " ".join(programs) + (": " + " ".join(shown) if shown else "")


def stop_on_terminate(signum, frame):
    raise KeyboardInterrupt


def main():
    # A run started in the background ignores Ctrl+C; SIGTERM and SIGINT both stop it cleanly,
    # with the changed file put back.
    signal.signal(signal.SIGTERM, stop_on_terminate)
    signal.signal(signal.SIGINT, stop_on_terminate)
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", action="append", default=[], help="list name (file stem under tools/mutations), repeatable")
    parser.add_argument("--file", action="append", default=[], help="only mutations of this source file (substring), repeatable")
    parser.add_argument("--only", action="append", default=[], help="list#number, repeatable (e.g. common#3)")
    parser.add_argument("--sample", type=int, default=0, help="run only this many, chosen at random")
    parser.add_argument("--seed", type=int, default=1, help="seed of the random sample")
    parser.add_argument("--timeout", type=int, default=300, help="seconds per ctest run; a hang counts as caught")
    parser.add_argument("--build-timeout", type=int, default=1800, help="seconds per build")
    parser.add_argument("--jobs", type=int, default=1, help="parallel build and test jobs")
    parser.add_argument("--work", default=f"/tmp/zentavik-mutate-{os.getuid()}", help="clone and build directory")
    parser.add_argument("--all-tests", action="store_true", help="ignore the lists' 'tests:' lines")
    parser.add_argument("--run-equivalent", action="store_true", help="also run changes marked as equivalent")
    parser.add_argument("--check", action="store_true", help="only check that every list applies; build nothing")
    parser.add_argument("--skip-stale", action="store_true", help="skip entries whose text the code no longer holds")
    parser.add_argument("--report", help="also write the results to this file (tab-separated)")
    args = parser.parse_args()

    list_paths = sorted(LISTS.glob("*.txt"))
    if args.list:
        wanted = set(args.list)
        list_paths = [p for p in list_paths if p.stem in wanted]
        missing = wanted - {p.stem for p in list_paths}
        if missing:
            sys.exit(f"no such list: {', '.join(sorted(missing))}")
    try:
        mutations = [m for p in list_paths for m in parse_list(p)]
    except ListError as error:
        sys.exit(str(error))
    # An entry whose text the code no longer holds is stale: an error, or with --skip-stale a
    # warning, so that a list left behind by a change elsewhere does not stop the others.
    stale = []
    for m in mutations:
        try:
            locate(m, ROOT)
        except ListError as error:
            if not args.skip_stale:
                sys.exit(str(error))
            print(f"stale, skipped: {error}", file=sys.stderr)
            stale.append(m)
    mutations = [m for m in mutations if m not in stale]
    if args.file:
        mutations = [m for m in mutations if any(f in m.source for f in args.file)]
    if args.only:
        mutations = [m for m in mutations if f"{m.list_name}#{m.number}" in set(args.only)]
    equivalent = [m for m in mutations if m.equivalent and not args.run_equivalent]
    mutations = [m for m in mutations if m not in equivalent]
    if args.sample and args.sample < len(mutations):
        mutations = sorted(random.Random(args.seed).sample(mutations, args.sample), key=lambda m: (m.list_name, m.number))

    if args.check:
        print(f"{len(mutations)} changes apply, {len(equivalent)} marked equivalent, in {len(list_paths)} lists")
        return 1 if stale else 0
    if not mutations:
        sys.exit("nothing to run")

    env = environment()
    work = Path(args.work)
    clone = prepare_clone(ROOT, work)
    builder = Builder(clone, work / "build", args.jobs, env)
    builder.configure()

    def targets_of(m):
        return [] if args.all_tests or not m.tests else m.tests

    def tests_of(m):
        return [] if args.all_tests or not m.tests else m.tests

    print(f"Baseline: building and testing the unchanged code in {clone} ...", flush=True)
    code, output = builder.compile([], args.build_timeout)
    if code != 0:
        sys.exit("the unchanged code does not build:\n" + output[-3000:])
    code, output = builder.test([], args.timeout)
    if code != 0:
        sys.exit("the unchanged code fails its tests; fix that first:\n" + output[-3000:])

    results = []  # (mutation, outcome, detail, seconds)
    interrupted = False
    for index, m in enumerate(mutations, 1):
        path = clone / m.source
        original = path.read_text(encoding="utf-8")
        started = time.monotonic()
        try:
            path.write_text(original.replace(m.original, m.replacement, 1), encoding="utf-8")
            code, output = builder.compile(targets_of(m), args.build_timeout)
            if code != 0:
                outcome, detail = "no-build", "does not compile"
            else:
                code, output = builder.test(tests_of(m), args.timeout)
                if code is None:
                    outcome, detail = "caught", "timeout"
                elif code != 0:
                    outcome, detail = "caught", failed_tests(output) or "ctest failed"
                else:
                    outcome, detail = "slipped", ""
        except KeyboardInterrupt:
            interrupted = True
            outcome, detail = None, None
        finally:
            path.write_text(original, encoding="utf-8")
        if interrupted:
            print("\ninterrupted", flush=True)
            break
        seconds = time.monotonic() - started
        results.append((m, outcome, detail, seconds))
        print(f"[{index}/{len(mutations)}] {outcome:8} {m.label()}  ({detail}{', ' if detail else ''}{seconds:.0f} s)",
              flush=True)

    print()
    by_list = {}
    for m, outcome, _, _ in results:
        by_list.setdefault(m.list_name, []).append(outcome)
    total_caught = total_counted = 0
    for name, outcomes in sorted(by_list.items()):
        caught = outcomes.count("caught")
        counted = caught + outcomes.count("slipped")
        total_caught += caught
        total_counted += counted
        share = f"{100 * caught / counted:.0f} %" if counted else "-"
        extra = f", {outcomes.count('no-build')} not compiling" if "no-build" in outcomes else ""
        print(f"{name:20} {caught:3} of {counted:3} caught  {share}{extra}")
    if total_counted:
        print(f"{'all':20} {total_caught:3} of {total_counted:3} caught  {100 * total_caught / total_counted:.1f} %")
    slipped = [m for m, outcome, _, _ in results if outcome == "slipped"]
    if slipped:
        print("\nSlipped through:")
        for m in slipped:
            print(f"  {m.label()}\n      - {m.original.strip()}\n      + {m.replacement.strip()}")
    if equivalent:
        print(f"\n{len(equivalent)} changes marked equivalent were not run (--run-equivalent runs them).")
    if args.report:
        with open(args.report, "w", encoding="utf-8") as out:
            out.write("list\tnumber\tfile\tline\toutcome\tdetail\tdescription\n")
            for m, outcome, detail, _ in results:
                out.write(f"{m.list_name}\t{m.number}\t{m.source}\t{m.line}\t{outcome}\t{detail}\t{m.description}\n")
            for m in equivalent:
                out.write(f"{m.list_name}\t{m.number}\t{m.source}\t{m.line}\tequivalent\t{m.equivalent}\t{m.description}\n")
    return 130 if interrupted else 0


if __name__ == "__main__":
    sys.exit(main())
