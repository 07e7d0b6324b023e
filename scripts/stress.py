#!/usr/bin/env python3
"""Runs rounds of parallel changing velkaro-cli commands, some killed at random moments, on a
copy of the demo competition and on a 255-player competition, then checks that every file
loads without a warning, that every command that reported success is in the competition,
that nothing is in it that no command added, that every refusal says why, and that the
competition equals one-by-one replay of the commands that took effect on an untouched copy
(every field of every player, the categories; drawing numbers, which follow the order of the
commands, aside).

    scripts/stress.py CLI EXAMPLES_DIR [--rounds N] [--seed S] [--dir DIR]
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
    info = run(cli, "info", f)
    if info.returncode != 0 or info.stderr:
        faults.append(f"info: exit {info.returncode}, stderr {info.stderr!r}")
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


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("examples")
    ap.add_argument("--rounds", type=int, default=200)
    ap.add_argument("--seed", type=int, default=None)
    ap.add_argument("--dir", default=None)
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

    for line in faults:
        print("FAULT:", line)
    if not a.dir:
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
