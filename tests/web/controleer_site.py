#!/usr/bin/env python3
"""Publishes the demo competition and reads the site back: every page must parse as HTML5
with a strict parser, every internal link must resolve, and the standings, rounds and
progress tables must show the numbers velkaro-cli itself gives (standings --json,
match list --json, report --kind progress). Usage: controleer_site.py VELKARO_CLI EXAMPLES"""

import filecmp
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
from urllib.parse import urlsplit

import html5lib

CLI, VOORBEELDEN = sys.argv[1], sys.argv[2]
fouten = []


def fout(tekst):
    fouten.append(tekst)


def cli(*args):
    r = subprocess.run([CLI, *args], capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit(f"velkaro-cli {' '.join(args)} failed: {r.stderr}")
    return r.stdout


def tekst(el):
    return "".join(el.itertext()).strip()


def tabel(doc, ident):
    """Rows of the table captioned ident: a list of lists of (text, element)."""
    for t in doc.iter("table"):
        if t.get("aria-labelledby") == ident:
            koppen = [tekst(th) for th in t.find("thead").iter("th")]
            rijen = [[(tekst(c), c) for c in tr if c.tag in ("td", "th")]
                     for tr in t.find("tbody").iter("tr")]
            return koppen, rijen
    raise KeyError(ident)


def kopieer(naar):
    os.makedirs(naar)
    for n in os.listdir(VOORBEELDEN):
        if n.startswith("club."):
            shutil.copy(os.path.join(VOORBEELDEN, n), naar)
    return os.path.join(naar, "club.xv7")


werk = tempfile.mkdtemp(prefix="velkaro-site-")
try:
    bestand = kopieer(os.path.join(werk, "comp"))
    site = os.path.join(werk, "site")
    cli("publish", bestand, site)

    # Strict parsing, and every link and anchor of every page.
    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False)
    paginas = {}
    for wortel, _, namen in os.walk(site):
        for n in namen:
            if n.endswith(".html"):
                pad = os.path.join(wortel, n)
                with open(pad, "rb") as f:
                    inhoud = f.read()
                try:
                    paginas[os.path.relpath(pad, site)] = parser.parse(inhoud)
                except html5lib.html5parser.ParseError as e:
                    fout(f"{pad}: not valid HTML5: {e}")
    if len(paginas) < 100:
        fout(f"only {len(paginas)} pages")
    gelinkt = set()
    for naam, doc in paginas.items():
        if doc.get("lang") != "nl":
            fout(f"{naam}: html lang is {doc.get('lang')}")
        ids = {e.get("id") for e in doc.iter() if e.get("id")}
        for e in doc.iter():
            href = e.get("href")
            if href is None:
                continue
            deel = urlsplit(href)
            if deel.scheme or deel.netloc or href.startswith("/"):
                fout(f"{naam}: external or absolute link {href}")
                continue
            if not deel.path:
                if deel.fragment not in ids:
                    fout(f"{naam}: anchor {href} missing")
                continue
            doel = os.path.normpath(os.path.join(os.path.dirname(naam), deel.path))
            gelinkt.add(doel)
            if not os.path.isfile(os.path.join(site, doel)):
                fout(f"{naam}: link {href} does not resolve")
        for th in doc.iter("th"):
            if th.get("scope") not in ("col", "row"):
                fout(f"{naam}: header cell without scope")
    for naam in paginas:
        if naam != "index.html" and naam not in gelinkt:
            fout(f"{naam}: no page links to it")

    # The numbers, group by group, against the command line on a copy that is switched.
    ref = kopieer(os.path.join(werk, "ref"))
    sleutels = {"WP": "resistance", "SB": "sonneborn_berger", "W-l": "resistance_minus_lowest",
                "Wlh": "resistance_minus_lowest_highest", "E-Rt": "own_rating",
                "T-Rt": "opponents_rating", "KTot": "keizer_total", "KPnt": "keizer_value",
                "Eigen": "own_average", "Tegen": "opponents_average", "Total": "total_average",
                "Ts-R": "opponents_rating", "Begin": "starting_rating", "Nu": "current_rating",
                "RWC": "laren_value", "RWP": "laren_weighted_points", "Pl P": "place_points",
                "Pl R": "place_weighted_points", "P GP": "place_points_per_game",
                "P GR": "place_weighted_points_per_game", "P Tot": "place_total", "+": "wins"}
    # Criteria of the sort order that the ranking report shows no column for.
    zonder_kolom = {"mutual_result", "highest_deviating_result"}
    groepen = json.loads(cli("group", "list", ref, "--json"))
    vergeleken = {"stand": 0, "waarden": 0, "wedstrijden": 0, "voortschrijding": 0,
                  "kruistabel": 0}
    for groep in groepen["groups"]:
        n = groep["number"]
        map_ = f"groep-{n}"
        cli("group", "switch", ref, str(n))
        stand = json.loads(cli("standings", ref, "--json", "--no-save", "--keep-previous"))
        koppen, rijen = tabel(paginas[f"{map_}/index.html"], "stand")
        spelers = stand["players"]
        if len(rijen) != len(spelers):
            fout(f"{map_}: {len(rijen)} rows, standings give {len(spelers)}")
        gedekt = set()
        vorige = None
        for rij, speler in zip(rijen, spelers):
            cellen = dict(zip(koppen, [c[0] for c in rij]))
            plaats = cellen["Nr"] or vorige
            vorige = plaats
            verwacht = {"Nr": str(speler["place"]), "Naam": speler["name"],
                        "AW": str(speler["games"])}
            for k, v in verwacht.items():
                if (plaats if k == "Nr" else cellen[k]) != v:
                    fout(f"{map_}: {speler['name']}: {k} {cellen[k]!r}, standings {v!r}")
            if re.sub(r"½", ".5", cellen["Pt"]) != str(speler["points"]) and \
                    float(cellen["Pt"].replace("½", ".5") or 0) * 2 != speler["points"]:
                fout(f"{map_}: {speler['name']}: Pt {cellen['Pt']!r}, standings {speler['points']}")
            for kop, waarde in cellen.items():
                sleutel = sleutels.get(kop)
                if sleutel not in speler["values"]:
                    continue
                gedekt.add(sleutel)
                decimalen = len(waarde.split(".")[1]) if "." in waarde else 0
                if abs(float(waarde) - speler["values"][sleutel]) > 0.5 * 10 ** -decimalen + 1e-9:
                    fout(f"{map_}: {speler['name']}: {kop} {waarde}, standings "
                         f"{speler['values'][sleutel]}")
                vergeleken["waarden"] += 1
            vergeleken["stand"] += 1
        if set(stand["columns"]) - gedekt - zonder_kolom:
            fout(f"{map_}: columns {set(stand['columns']) - gedekt - zonder_kolom} not on the page")

        # Each round's page against the match list.
        for pagina in sorted(p for p in paginas if p.startswith(f"{map_}/ronde-")):
            ronde = re.search(r"ronde-(\d+)\.html", pagina).group(1)
            lijst = json.loads(cli("match", "list", ref, ronde, "--json"))["matches"]
            _, rijen = tabel(paginas[pagina], "ronde")
            if len(rijen) != len(lijst):
                fout(f"{pagina}: {len(rijen)} matches, match list {len(lijst)}")
            for rij, w in zip(rijen, lijst):
                wit, zwart, uitslag = rij[1][0], rij[2][0], rij[3][0].replace(" ", "")
                for kant, naam in (("white", wit), ("black", zwart)):
                    if w[kant] and w[kant]["name"] != naam and "outside_rating" not in w[kant]:
                        fout(f"{pagina}: {kant} {naam!r}, match list {w[kant]['name']!r}")
                if (w["result"] or "") != uitslag:
                    fout(f"{pagina}: result {uitslag!r}, match list {w['result']!r}")
                vergeleken["wedstrijden"] += 1

        # A round robin's cross table against the ranking report's cross-table part.
        if os.path.exists(os.path.join(site, map_, "kruistabel.html")):
            koppen, rijen = tabel(paginas[f"{map_}/kruistabel.html"], "kruistabel")
            kolommen = [k for k in koppen if k.isdigit()]
            verslag = cli("report", ref, "--options", "matrix", "--no-save").splitlines()
            for rij in rijen:
                cellen = dict(zip(koppen, [c[0] for c in rij]))
                regel = next((r for r in verslag if f" {cellen['Naam']} " in r), None)
                if regel is None:
                    fout(f"{map_}: {cellen['Naam']} not in the ranking report")
                    continue
                rest = regel.split(f" {cellen['Naam']} ", 1)[1].split()[:len(kolommen)]
                if rest != [cellen[k] for k in kolommen]:
                    fout(f"{map_}: {cellen['Naam']}: cross table {[cellen[k] for k in kolommen]}, "
                         f"report {rest}")
                vergeleken["kruistabel"] += 1
            continue

        # The progress table against the progress report.
        koppen, rijen = tabel(paginas[f"{map_}/voortschrijding.html"], "voortschrijding")
        rondes = [k for k in koppen if k.isdigit()]
        verslag = cli("report", ref, "--kind", "progress", "--no-save").splitlines()
        for rij in rijen:
            cellen = dict(zip(koppen, [c[0] for c in rij]))
            regel = next((r for r in verslag if f" {cellen['Naam']} " in r), None)
            if regel is None:
                fout(f"{map_}: {cellen['Naam']} not in the progress report")
                continue
            woorden = regel.split()[-len(rondes):]
            if woorden != [cellen[r] for r in rondes]:
                fout(f"{map_}: {cellen['Naam']}: {[cellen[r] for r in rondes]}, report {woorden}")
            vergeleken["voortschrijding"] += 1
    for k, v in vergeleken.items():
        if v == 0:
            fout(f"nothing compared for {k}")

    # The same competition gives the same bytes; the language is the one asked for.
    nog = os.path.join(werk, "nog")
    cli("publish", bestand, nog)
    vgl = filecmp.dircmp(site, nog)
    if vgl.left_only or vgl.right_only or vgl.diff_files:
        fout("a second publish differs")
    for sub in vgl.subdirs.values():
        if sub.diff_files or sub.left_only or sub.right_only:
            fout(f"a second publish differs in {sub.left}")
    engels = os.path.join(werk, "en")
    cli("--lang", "en", "publish", bestand, engels)
    with open(os.path.join(engels, "index.html"), encoding="utf-8") as f:
        if '<html lang="en">' not in f.read():
            fout("--lang en gives no English page")
    print(f"{len(paginas)} pages, compared: {vergeleken}")
finally:
    shutil.rmtree(werk, ignore_errors=True)

for f in fouten[:40]:
    print(f, file=sys.stderr)
sys.exit(1 if fouten else 0)
