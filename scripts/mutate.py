#!/usr/bin/env python3
"""Mutation run over a fixed, committed sample of source mutants.

  mutate.py generate --out tests/mutation/mutants.tsv [--seed N] [--scale F] [--prefix M]
      Draws the sample: per source folder a fixed number of mutants (times F),
      each one operator applied at one place of one line of a .cpp file.
  mutate.py run --build DIR --mutants tests/mutation/mutants.tsv --table OUT.md
      Applies the mutants one at a time, rebuilds incrementally, runs the tests
      of the mutated folder (then, if nothing failed, every other folder's tests)
      and writes the table: caught (by which test), survived, did not build,
      or not found (the line no longer exists in the sources). --mutants takes
      several samples separated by commas. With --matrix every failing test of
      the stage that caught the mutant is listed, not only the first: the kill
      matrix that shows which tests no other test backs up.

A mutant is found again by its original line's text, at its line number or,
when the sources moved, at the nearest line with the same text, so a sample
drawn on one revision can be run on a later one.
"""

import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Mutants per folder; the folders with the densest rules get the most.
SAMPLE = {
    "standings": 30,
    "pairing": 30,
    "storage": 28,
    "entry": 20,
    "reports": 18,
    "cli": 14,
    "model": 12,
    "ui": 12,
    "web": 8,
    "lang": 4,
}

# Replacement rules of the usual regex mutators for C-like code: relational,
# logical, arithmetic and increment operators, constants, and dropped jumps.
RULES = [
    ("rel", r"(?<=\s)==(?=\s)", "!="),
    ("rel", r"(?<=\s)!=(?=\s)", "=="),
    ("rel", r"(?<=\s)<=(?=\s)", "<"),
    ("rel", r"(?<=\s)>=(?=\s)", ">"),
    ("rel", r"(?<=\s)<(?=\s)", "<="),
    ("rel", r"(?<=\s)>(?=\s)", ">="),
    ("log", r"(?<=\s)&&(?=\s)", "||"),
    ("log", r"(?<=\s)\|\|(?=\s)", "&&"),
    ("log", r"(?<![\w)\]])!(?=[A-Za-z_(])", ""),
    ("ari", r"(?<=\s)\+(?=\s)", "-"),
    ("ari", r"(?<=\s)-(?=\s)", "+"),
    ("ari", r"(?<=\s)\*(?=\s)", "/"),
    ("ari", r"(?<=\s)/(?=\s)", "*"),
    ("ari", r"(?<=\s)%(?=\s)", "/"),
    ("inc", r"\+\+", "--"),
    ("inc", r"(?<![-\w])--|--(?![-\w])", "++"),
    ("asg", r"(?<=\s)\+=(?=\s)", "-="),
    ("asg", r"(?<=\s)-=(?=\s)", "+="),
    ("con", r"\btrue\b", "false"),
    ("con", r"\bfalse\b", "true"),
    ("con", r"(?<![\w.])0(?![\w.])", "1"),
    ("con", r"(?<![\w.])1(?![\w.])", "0"),
    ("con", r"(?<![\w.])([2-9]\d*)(?![\w.])", "+1"),
    ("jmp", r"\bbreak;", ";"),
    ("jmp", r"\bcontinue;", "break;"),
    ("jmp", r"^(\s*)return ([^;]+);$", "dropret"),
]


def string_spans(line):
    """Character ranges inside string and character literals and after //."""
    spans, i, n = [], 0, len(line)
    while i < n:
        c = line[i]
        if c == "/" and line[i + 1 : i + 2] == "/":
            spans.append((i, n))
            break
        if c in "\"'":
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            spans.append((i, j + 1))
            i = j + 1
            continue
        i += 1
    return spans


def skip_line(line):
    s = line.strip()
    return (
        not s
        or s.startswith(("#", "//", "/*", "*", "static_assert", "template", "using ", "namespace"))
        or "operator" in s
        or "#include" in s
    )


def mutants_of_line(line):
    if skip_line(line):
        return []
    spans = string_spans(line)
    out = []
    for op, pat, rep in RULES:
        for m in re.finditer(pat, line):
            if any(a <= m.start() < b for a, b in spans):
                continue
            if rep == "dropret":
                # Return the type's default instead of the computed value.
                expr = m.group(2)
                if expr in ("true", "false", "0", "{}") or "(" not in expr and " " not in expr:
                    continue
                new = f"{m.group(1)}return {{}};"
            elif rep == "+1":
                new = line[: m.start()] + str(int(m.group(1)) + 1) + line[m.end() :]
            else:
                new = line[: m.start()] + rep + line[m.end() :]
            if new != line:
                out.append((op, new))
    return out


def generate(args):
    rng = random.Random(args.seed)
    rows = []
    for folder, full in SAMPLE.items():
        count = max(1, round(full * args.scale))
        files = sorted(p for p in (ROOT / folder).glob("*.cpp") if p.name != "main.cpp")
        cands = {}
        for f in files:
            lines = f.read_text(encoding="utf-8").split("\n")
            c = [(i + 1, op, lines[i], new) for i in range(len(lines)) for op, new in mutants_of_line(lines[i])]
            if c:
                cands[f] = c
        chosen = set()
        keys = sorted(cands)
        # Spread over the files: a file at a time, weighted by its candidates' count.
        weights = [len(cands[k]) ** 0.5 for k in keys]
        while len(chosen) < count:
            f = rng.choices(keys, weights)[0]
            chosen.add((f, rng.randrange(len(cands[f]))))
        for f, k in sorted(chosen, key=lambda x: (str(x[0]), cands[x[0]][x[1]][0])):
            ln, op, old, new = cands[f][k]
            rows.append((str(f.relative_to(ROOT)), ln, op, old, new))
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("# id\tfile\tline\toperator\toriginal (JSON)\tmutant (JSON)\n")
        for n, (f, ln, op, old, new) in enumerate(rows, 1):
            out.write(f"{args.prefix}{n:03d}\t{f}\t{ln}\t{op}\t{json.dumps(old)}\t{json.dumps(new)}\n")
    print(f"{len(rows)} mutants written to {args.out}")


def read_mutants(path):
    out = []
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if line.startswith("#") or not line.strip():
            continue
        mid, f, ln, op, old, new = line.split("\t")
        out.append(dict(id=mid, file=f, line=int(ln), op=op, old=json.loads(old), new=json.loads(new)))
    return out


def locate(lines, m):
    """Index of the mutant's line: at its number, else the nearest line with its text."""
    i = m["line"] - 1
    if 0 <= i < len(lines) and lines[i] == m["old"]:
        return i
    hits = [k for k, l in enumerate(lines) if l == m["old"]]
    return min(hits, key=lambda k: abs(k - i)) if hits else None


def ctest_tests(build):
    """From CTest's own listing: test name -> folder of tests/ it belongs to, and test name ->
    the test program it runs (a target of the same name), so that a program an older revision
    left in the build folder is never asked for."""
    res = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, capture_output=True, text=True, check=True)
    tests, programs = {}, {}
    tdir = str(Path(build).resolve() / "tests") + "/"
    for t in json.loads(res.stdout)["tests"]:
        cmd = t.get("command") or [""]
        folder = None
        for arg in cmd:
            if arg.startswith(tdir):
                folder = arg[len(tdir) :].split("/")[0]
                break
        if folder is None:
            folder = t["name"].split(".")[0]
        tests[t["name"]] = folder
        if cmd[0].startswith(tdir):
            programs[t["name"]] = Path(cmd[0]).name
    return tests, programs


def objects_of(build):
    """Source file -> the object files built from it, from the compilation database."""
    out = {}
    for e in json.loads((Path(build) / "compile_commands.json").read_text()):
        m = re.search(r"\s-o\s+(\S+)", e["command"])
        if m:
            out.setdefault(str(Path(e["file"]).resolve()), []).append(str(Path(e["directory"]) / m.group(1)))
    return out


def run_build(build, targets, timeout):
    cmd = ["cmake", "--build", build, "-j", str(os.cpu_count() or 2), "--target", *targets]
    try:
        r = subprocess.run(cmd, capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return False
    return r.returncode == 0


def run_tests(build, names, timeout, every=False):
    """Runs the named CTest tests; returns the first failing name (with every=True,
    all of them, separated by blanks), or None."""
    if not names:
        return None
    regex = "^(" + "|".join(re.escape(n) for n in sorted(names)) + ")$"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    cmd = ["ctest", "-R", regex, "-j", str(os.cpu_count() or 2), "--timeout", str(timeout)]
    if not every:
        cmd.append("--stop-on-failure")
    r = subprocess.run(cmd, cwd=build, capture_output=True, text=True, env=env)
    if r.returncode == 0:
        return None
    # Only the list of failures: a test that skipped itself (one needs a user without root's
    # rights) is listed above it among those that "did not run".
    listed = r.stdout.split("The following tests FAILED:")[-1]
    failed = re.findall(r"^\s*\d+ - (\S+) \((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception|[^)]*)\)", listed, re.M)
    named = [name if why == "Failed" else f"{name} ({why.lower()})" for name, why in failed]
    if named:
        return " ".join(sorted(named)) if every else named[0]
    return "ctest failed: " + (r.stdout.strip().splitlines() or ["?"])[-1]


def run(args):
    build = args.build
    mutants = [m for f in args.mutants.split(",") for m in read_mutants(f)]
    if args.only:
        mutants = [m for m in mutants if m["id"] in set(args.only.split(","))]
    if args.caught_in:
        # Only what an earlier table shows caught: does a change of the tests still catch it?
        text = "".join(Path(t).read_text(encoding="utf-8") for t in args.caught_in.split(","))
        caught = set(re.findall(r"^\| ([A-Z]\d+) \|.*\| caught \|", text, re.M))
        mutants = [m for m in mutants if m["id"] in caught]
    tests, programs = ctest_tests(build)
    objects = objects_of(build)
    results = []
    start = time.time()
    originals = {}

    def restore(*_):
        for p, text in originals.items():
            p.write_text(text, encoding="utf-8")
        originals.clear()

    signal.signal(signal.SIGTERM, lambda *a: (restore(), sys.exit(1)))
    for n, m in enumerate(mutants, 1):
        path = ROOT / m["file"]
        text = path.read_text(encoding="utf-8")
        lines = text.split("\n")
        i = locate(lines, m)
        folder = m["file"].split("/")[0]
        t0 = time.time()
        if i is None:
            res = ("not found", "")
        else:
            lines[i] = m["new"]
            originals[path] = text
            try:
                path.write_text("\n".join(lines), encoding="utf-8")
                first = [folder] if folder in set(tests.values()) else []
                # What the folder's own tests miss may still be caught elsewhere: every
                # other folder's tests, the desktop walks included (they show a text of
                # lang/ or a rule of the core through the dialogs).
                rest = [f for f in sorted(set(tests.values())) if f != folder]
                stages = [s for s in (first, rest) if s]
                res = ("survived", "")
                built_at = time.time()
                for stage in stages:
                    targets = sorted({programs[t] for t, f in tests.items() if f in stage and t in programs})
                    targets.append("velkaro-cli")
                    if not run_build(build, targets, args.build_timeout):
                        res = ("did not build", "")
                        break
                    caught = run_tests(build, [t for t, f in tests.items() if f in stage], args.timeout, args.matrix)
                    if caught:
                        res = ("caught", caught)
                        break
                objs = objects.get(str(path.resolve()), [])
                if res[0] == "survived" and not any(os.path.getmtime(o) >= built_at for o in objs if os.path.exists(o)):
                    # No test program holds this file (the screenshot program, say): it is
                    # compiled alone, so that a mutant the compiler refuses is told apart.
                    rel = [os.path.relpath(o, build) for o in objs]
                    ok = bool(rel) and run_build(build, rel, args.build_timeout)
                    res = ("survived", "no test program holds this file") if ok else ("did not build", "")
            finally:
                restore()
        results.append((m, i + 1 if i is not None else "", *res))
        print(f"[{n}/{len(mutants)}] {m['id']} {m['file']}:{m['line']} {res[0]} {res[1]} ({time.time() - t0:.0f} s)", flush=True)
        write_table(args, results, time.time() - start)
    # Leave the build as the sources are.
    run_build(build, ["all"], args.build_timeout)


def write_table(args, results, seconds):
    counts = {}
    for r in results:
        counts[r[2]] = counts.get(r[2], 0) + 1
    caught = counts.get("caught", 0)
    valid = caught + counts.get("survived", 0)
    with open(args.table, "w", encoding="utf-8") as out:
        out.write(f"# Mutation run: {args.title}\n\n")
        out.write(f"Mutants: {len(results)}; " + "; ".join(f"{k}: {v}" for k, v in sorted(counts.items())))
        if valid:
            out.write(f". Score (caught of those that built): {caught}/{valid} = {100 * caught / valid:.1f} %")
        out.write(f". Run time: {seconds / 60:.0f} min.\n\n")
        out.write("| mutant | file | line | operator | mutant line | result | caught by |\n")
        out.write("|---|---|---|---|---|---|---|\n")
        for m, line, res, by in results:
            code = m["new"].strip().replace("|", "\\|")
            out.write(f"| {m['id']} | {m['file']} | {line} | {m['op']} | `{code}` | {res} | {by.replace('|', '/')} |\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = ap.add_subparsers(dest="cmd", required=True)
    g = sub.add_parser("generate")
    g.add_argument("--out", required=True)
    g.add_argument("--seed", type=int, default=27)
    g.add_argument("--scale", type=float, default=1.0, help="times the mutants per folder")
    g.add_argument("--prefix", default="M", help="first letter of the ids")
    g.set_defaults(func=generate)
    r = sub.add_parser("run")
    r.add_argument("--build", required=True)
    r.add_argument("--mutants", required=True)
    r.add_argument("--table", required=True)
    r.add_argument("--title", default="")
    r.add_argument("--only", default="", help="comma-separated mutant ids")
    r.add_argument("--caught-in", default="", help="only the mutants this earlier table shows caught")
    r.add_argument("--timeout", type=int, default=120, help="seconds per test; a test past it counts as caught")
    r.add_argument("--build-timeout", type=int, default=600)
    r.add_argument("--matrix", action="store_true", help="list every failing test, not only the first")
    r.set_defaults(func=run)
    args = ap.parse_args()
    args.func(args)


if __name__ == "__main__":
    main()
