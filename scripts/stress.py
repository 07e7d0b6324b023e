#!/usr/bin/env python3
"""Runs rounds of parallel changing velkaro-cli commands, some killed at random moments, on a
copy of the demo competition and on a 255-player competition, then checks that every file
loads without a warning, that every command that reported success is in the competition,
that nothing is in it that no command added, that every refusal says why, and that the
competition equals one-by-one replay of the commands that took effect on an untouched copy
(every field of every player, the categories; drawing numbers, which follow the order of the
commands, aside).

Then it breaks off changes that rewrite several files at every step, through strace's fault
injection: a kill at each rename, fsync and write, and a full disk (ENOSPC) at each write, of
`import --add`, `group switch`, `player add` and `new`. After each, the next command must find
the old or the new competition, whole ('check' clean once 'info' has opened it).

    scripts/stress.py CLI EXAMPLES_DIR [--rounds N] [--seed S] [--dir DIR] [--no-inject]
"""
import argparse
import json
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def run(cli, *args):
    return subprocess.run([cli, *args], capture_output=True, text=True, encoding="cp1252", errors="replace")


def player_records(cli, f):
    r = run(cli, "player", "list", f, "--json")
    if r.returncode != 0:
        raise SystemExit(f"player list failed: {r.stderr}")
    recs = {}
    for p in json.loads(r.stdout)["players"]:
        p.pop("number")
        recs.setdefault(p["name"], []).append(p)
    return recs


def players(cli, f):
    return set(player_records(cli, f))


def categories(cli, f):
    r = run(cli, "category", "list", f)
    return {line.split("\t", 1)[1][2:] for line in r.stdout.splitlines() if "\t" in line}


def replay(cli, original, added_players, added_cats, have_players, have_cats):
    """Applies, one at a time, every command that took effect (reported success, or was killed
    after its save) to the untouched copy."""
    faults = []
    for book, have, kind in ((added_players, have_players, "player"),
                             (added_cats, have_cats, "category")):
        for key, how in book.items():
            if how == "ok" or (how == "killed" and key in have):
                args = ["player", "add", original, "--name", key] if kind == "player" else \
                    ["category", "add", original, "Z", key]
                r = run(cli, *args)
                if r.returncode != 0:
                    faults.append(f"replay of {kind} {key} failed: {r.stderr!r}")
    return faults


def stress(cli, f, rounds, rnd, label):
    added_players, added_cats = {}, {}  # name -> "ok" | "killed" | "refused"
    faults = []
    # The untouched copy for the replay.
    folder = os.path.dirname(f)
    original_dir = folder + "-replay"
    shutil.rmtree(original_dir, ignore_errors=True)
    shutil.copytree(folder, original_dir)
    original = os.path.join(original_dir, os.path.basename(f))
    for n in range(rounds):
        procs = []
        for i in range(rnd.randint(2, 4)):
            if rnd.random() < 0.75:
                name = f"S{label}{n}x{i}"
                procs.append(("player", name, subprocess.Popen(
                    [cli, "player", "add", f, "--name", name],
                    stdout=subprocess.PIPE, stderr=subprocess.PIPE)))
            else:
                desc = f"C{label}{n}x{i}"
                procs.append(("category", desc, subprocess.Popen(
                    [cli, "category", "add", f, "Z", desc],
                    stdout=subprocess.PIPE, stderr=subprocess.PIPE)))
        killed = set()
        if rnd.random() < 0.4:
            time.sleep(rnd.uniform(0, 0.06))
            victim = rnd.randrange(len(procs))
            procs[victim][2].send_signal(signal.SIGKILL)
            killed.add(victim)
        for i, (kind, key, p) in enumerate(procs):
            out, err = p.communicate()
            book = added_players if kind == "player" else added_cats
            if p.returncode == 0:
                book[key] = "ok"
            elif i in killed and p.returncode == -signal.SIGKILL:
                book[key] = "killed"
            else:
                book[key] = "refused"
                text = err.decode("cp1252", "replace")
                if "ander programma" not in text:
                    faults.append(f"{kind} {key}: exit {p.returncode} without the reason: {text!r}")
    # Every file loads without a warning.
    # (A killed save may have left its journal: opening finishes it and says so.)
    info = run(cli, "info", f)
    warnings = [l for l in info.stderr.splitlines() if "onderbroken wijziging" not in l]
    if info.returncode != 0 or warnings:
        faults.append(f"info: exit {info.returncode}, stderr {info.stderr!r}")
    c = run(cli, "check", f)
    if c.returncode != 0:
        faults.append(f"check: exit {c.returncode}, {c.stdout!r}")
    for have, book, kind in ((players(cli, f), added_players, "player"),
                             (categories(cli, f), added_cats, "category")):
        for key, how in book.items():
            if how == "ok" and key not in have:
                faults.append(f"{kind} {key} reported success but is lost")
            if how == "refused" and key in have:
                faults.append(f"{kind} {key} was refused but is present")
        for key in have:
            if key.startswith(("S", "C")) and key[1:].startswith(label) and key not in book:
                faults.append(f"{kind} {key} is present but was never added")
    have_players, have_cats = players(cli, f), categories(cli, f)
    faults += replay(cli, original, added_players, added_cats, have_players, have_cats)
    if player_records(cli, f) != player_records(cli, original):
        faults.append("the players differ from the replay of the commands that took effect")
    if have_cats != categories(cli, original):
        faults.append("the categories differ from the replay of the commands that took effect")
    counts = {h: sum(1 for b in (added_players, added_cats) for v in b.values() if v == h)
              for h in ("ok", "killed", "refused")}
    print(f"{label}: {rounds} rounds, {counts}, {len(faults)} faults")
    return faults


def snapshot(cli, f):
    """What a user sees of the competition: its groups and the open group's players."""
    if not os.path.exists(f):
        return None
    g = run(cli, "group", "list", f, "--json")
    p = run(cli, "player", "list", f, "--json")
    return (g.stdout, p.stdout)


def inject(cli, examples, work):
    """Every rename, fsync and write of each change killed in turn, every write failed with a
    full disk in turn; the competition afterwards must be the old or the new one."""
    faults, runs = [], 0
    base = os.path.join(work, "inject")
    wds_dir = os.path.join(work, "inject-wds")
    shutil.rmtree(wds_dir, ignore_errors=True)
    os.makedirs(wds_dir)
    for name in os.listdir(examples):
        if name.startswith("club."):
            shutil.copy(os.path.join(examples, name), wds_dir)
    e = run(cli, "export-wds", os.path.join(wds_dir, "club.xv7"))
    if e.returncode != 0:
        return [f"export-wds failed: {e.stderr!r}"]
    wds = e.stdout.strip()
    changes = {
        "import --add": lambda f: ["import", wds, f, "--add"],
        "group switch": lambda f: ["group", "switch", f, "3"],
        "player add": lambda f: ["player", "add", f, "--name", "Ingevoegd"],
        "new": lambda f: ["new", os.path.join(os.path.dirname(f), "vers.xv7")],
    }

    def fresh():
        shutil.rmtree(base, ignore_errors=True)
        os.makedirs(base)
        for name in os.listdir(examples):
            if name.startswith("club."):
                shutil.copy(os.path.join(examples, name), base)
        return os.path.join(base, "club.xv7")

    for label, args in changes.items():
        f = fresh()
        target = os.path.join(base, "vers.xv7") if label == "new" else f
        old = snapshot(cli, target)
        r = run(cli, *args(f))
        if r.returncode != 0:
            faults.append(f"{label}: the change itself fails: {r.stderr!r}")
            continue
        new = snapshot(cli, target)
        for call, how, limit in (("rename", "signal=KILL", 20), ("fsync", "signal=KILL", 20),
                                 ("write", "signal=KILL", 60), ("write", "error=ENOSPC", 60)):
            for when in range(1, limit + 1):
                f = fresh()
                cmd = ["strace", "-f", "-qq", "-o", "/dev/null",
                       "-e", f"trace={call}", "-e", f"inject={call}:{how}:when={when}", cli,
                       *args(f)]
                p = subprocess.run(cmd, capture_output=True, text=True, encoding="cp1252",
                                   errors="replace")
                runs += 1
                now_info = run(cli, "info", target) if os.path.exists(target) else None
                after = snapshot(cli, target)
                if after not in (old, new):
                    faults.append(f"{label}: {call} {how} at {when}: neither old nor new "
                                  f"(exit {p.returncode}, {p.stderr.strip()!r})")
                if os.path.exists(target):
                    c = run(cli, "check", target)
                    if c.returncode != 0:
                        faults.append(f"{label}: {call} {how} at {when}: check: {c.stdout!r}"
                                      f" {now_info.stderr if now_info else ''!r}")
                if how.startswith("error") and p.returncode == 0 and after != new:
                    faults.append(f"{label}: {call} {how} at {when}: exit 0 without the change")
                # Past the last call the injection no longer fires: the change went through.
                if p.returncode == 0 and after == new and how == "signal=KILL":
                    break
    print(f"injection: {runs} runs, {len(faults)} faults")
    return faults


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("examples")
    ap.add_argument("--rounds", type=int, default=200)
    ap.add_argument("--seed", type=int, default=None)
    ap.add_argument("--dir", default=None)
    ap.add_argument("--no-inject", action="store_true")
    a = ap.parse_args()
    seed = a.seed if a.seed is not None else random.randrange(1 << 30)
    print(f"seed {seed}")
    rnd = random.Random(seed)
    work = a.dir or tempfile.mkdtemp(prefix="velkaro-stress-")
    faults = []

    demo = os.path.join(work, "demo")
    os.makedirs(demo, exist_ok=True)
    for name in os.listdir(a.examples):
        if name.startswith("club."):
            shutil.copy(os.path.join(a.examples, name), demo)
    faults += stress(a.cli, os.path.join(demo, "club.xv7"), a.rounds, rnd, "D")

    big = os.path.join(work, "groot")
    os.makedirs(big, exist_ok=True)
    f = os.path.join(big, "groot.xv7")
    if run(a.cli, "new", f, "--overwrite").returncode != 0:
        raise SystemExit("cannot create the 255-player competition")
    for i in range(255):
        run(a.cli, "player", "add", f, "--name", f"Speler {i + 1}")
    faults += stress(a.cli, f, a.rounds, rnd, "G")

    if not a.no_inject:
        if shutil.which("strace") is None:
            faults.append("strace is missing: no fault injection")
        else:
            faults += inject(a.cli, a.examples, work)

    for line in faults:
        print("FAULT:", line)
    if not a.dir:
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
