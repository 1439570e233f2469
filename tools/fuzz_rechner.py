#!/usr/bin/env python3
"""Runs zentavik-rechner on random command lines and reports what a sanitizer, a crash or a
hang shows:  tools/fuzz_rechner.py PROGRAM [SECONDS [SEED]]

PROGRAM is best a build with ZENTAVIK_SANITIZE=ON. Each run gets a time limit and, through the
sanitizer's own limit (ulimit -v would starve its shadow memory), a memory limit; a sanitizer
report, a signal, a status other than 0, 2 and 3 or a run past its time is a finding, kept
with its arguments in build-fuzz-rechner/."""
import os
import random
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "build-fuzz-rechner"
SECONDS_PER_RUN = 20  # a full-wave run takes a few seconds; a hang takes longer

COMMANDS = ["beam", "baender", "bauplan", "vk", "pruning", "dipol", "messung", "--help", "--version", "", "x"]
OPTIONS = ["frequenz", "vk", "material", "aussen", "leiter", "hoehe", "bereich", "isolierung", "beam-vk",
           "durchmesser", "erreger-durchmesser", "vk-durchmesser", "resonanz", "impedanz", "unterste", "laenge",
           "ist", "soll", "von", "bis", "punkte", "messung", "geraet", "datei", "svg", "csv", "json", "cw", "ssb",
           "help", "h"]
NUMBERS = ["0", "-0", "1", "14,2", "28.5", "0,95", "1e308", "-1e308", "1e-320", "4e38", "3,4e38", "nan", "inf",
           "-inf", "0x10", "1,2,3", "1.2.3", "", " ", "99999999999999999999999", "2147483648", "-2147483649",
           "0,0000001", "1000000", "1000001", "7", "300", "\u00a014", "14\u202f2", "١٤", "1e", "e5", "+5", "--5"]
WORDS = ["PE", "PVC", "PTFE", "2,3", "formel", "vollwelle", "cw", "ssb", "mitte", "Ä", "\x1b[31m", "a" * 5000]


def value(option, work):
    if option in ("datei", "svg"):
        return random.choice([str(work / "aus.txt"), str(work / "plan.pdf"), str(work / "plan.svg"), str(work),
                              str(work / "fehlt" / "x.pdf"), "", "-"])
    if option == "messung":
        return random.choice([str(p) for p in work.glob("*.s1p")] + [str(work), str(work / "fehlt.s1p"), ""])
    if option == "geraet":
        return random.choice([str(work / "kein-geraet"), str(work), ""])
    if random.random() < 0.6:
        return random.choice(NUMBERS)
    return random.choice(WORDS + NUMBERS)


def command_line(work):
    args = [random.choice(COMMANDS)]
    for _ in range(random.randint(0, 7)):
        option = random.choice(OPTIONS)
        form = random.random()
        if form < 0.7:
            args += ["--" + option, value(option, work)]
        elif form < 0.9:
            args.append("--" + option + "=" + value(option, work))
        else:
            args.append("--" + option)
    if random.random() < 0.05:
        args.append(random.choice(NUMBERS + WORDS))
    return [a for a in args if a != "" or random.random() < 0.5]


def main():
    program = str(Path(sys.argv[1]).resolve())
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 180
    random.seed(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    OUT.mkdir(exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="de_DE.UTF-8",
               ASAN_OPTIONS="detect_leaks=0:hard_rss_limit_mb=1024:allocator_may_return_null=0:abort_on_error=1",
               UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
    runs = findings = 0
    end = time.monotonic() + seconds
    with tempfile.TemporaryDirectory() as tmp:
        work = Path(tmp)
        (work / "sweep.s1p").write_text("# MHz S RI R 50\n14.0 -0.1 -0.3\n14.1 0.18 0.0\n14.2 0.1 0.3\n")
        (work / "leer.s1p").write_text("")
        (work / "kaputt.s1p").write_bytes(b"# Hz S DB R 0\n1e309 nan nan\n\xff\xfe\x00")
        while time.monotonic() < end:
            args = command_line(work)
            runs += 1
            try:
                p = subprocess.run([program] + args, cwd=work, env=env, capture_output=True,
                                   timeout=SECONDS_PER_RUN)
                bad = p.returncode not in (0, 2, 3) or b"Sanitizer" in p.stderr or b"runtime error" in p.stderr
                what = f"status {p.returncode}"
                report = p.stderr
            except subprocess.TimeoutExpired as e:
                bad, what, report = True, f"over {SECONDS_PER_RUN} s", e.stderr or b""
            if bad:
                findings += 1
                (OUT / f"finding-{findings}.txt").write_bytes(
                    repr(args).encode() + b"\n" + what.encode() + b"\n" + report[-20000:])
                print(f"finding {findings}: {what}: {args!r}", flush=True)
    print(f"{runs} command lines in {seconds:.0f} s, {findings} findings")


if __name__ == "__main__":
    main()
