#!/usr/bin/env python3
"""Renders pages of a published site in headless Chromium at a phone width (390 x 844) and a
desktop width (1280 x 800): the page body may not be wider than the window, and no two cells
of a table row may overlap. The pages are the demo's index and a standings page, and the
progress table and a player page of a 60-player Swiss made through velkaro-cli. The
measurement runs as a script in a page that frames the page under test (the site itself has
none) and writes its findings into the document, read back with --dump-dom.
Usage: controleer_browser.py VELKARO_CLI EXAMPLES [SCREENSHOT_FOLDER]
Exit 77 (skipped) without a chromium."""

import os
import re
import shutil
import subprocess
import sys
import tempfile

CLI, VOORBEELDEN = sys.argv[1], sys.argv[2]
SCHERMAFDRUKKEN = sys.argv[3] if len(sys.argv) > 3 else None
BROWSER = shutil.which("chromium") or shutil.which("chromium-browser")
if not BROWSER:
    print("no chromium: skipped")
    sys.exit(77)

# The page is shown in a frame of the width under test (a headless window is never narrower
# than 500 pixels); the script measures the framed page once it has loaded.
OMLIJSTING = """<!DOCTYPE html>
<html><body style="margin:0">
<iframe id="f" src="PAGINA" style="border:0;width:BREEDTEpx;height:HOOGTEpx"></iframe>
<script>
document.getElementById('f').addEventListener('load', () => {
  const w = document.getElementById('f').contentWindow, d = w.document;
  const uit = [];
  if (d.documentElement.scrollWidth > w.innerWidth + 1)
    uit.push('page ' + d.documentElement.scrollWidth + ' wider than window ' + w.innerWidth);
  for (const rij of d.querySelectorAll('tr')) {
    const cellen = [...rij.children].map(c => c.getBoundingClientRect());
    for (let i = 1; i < cellen.length; i++)
      if (cellen[i].left < cellen[i - 1].right - 0.5)
        uit.push('overlap in row: ' + rij.textContent.trim().slice(0, 40));
  }
  for (const c of d.querySelectorAll('td, th, a, dd, dt, h1, h2, p')) {
    if (c.scrollWidth > c.clientWidth + 1 && w.getComputedStyle(c).overflow === 'visible'
        && c.clientWidth > 0 && !c.closest('.rol'))
      uit.push('text sticks out of ' + c.tagName + ': ' + c.textContent.trim().slice(0, 40));
  }
  if (!d.querySelector('h1')) uit.push('page not loaded');
  const p = document.createElement('pre');
  p.id = 'meting';
  p.textContent = 'METING[' + uit.join('|') + ']';
  document.body.appendChild(p);
});
</script>
</body></html>
"""


def cli(*args):
    r = subprocess.run([CLI, *args], capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit(f"velkaro-cli {' '.join(args)} failed: {r.stderr}")
    return r.stdout


def browser(*args):
    return subprocess.run([BROWSER, "--headless", "--no-sandbox", "--disable-gpu",
                           "--hide-scrollbars", "--force-device-scale-factor=1", *args],
                          capture_output=True, text=True, timeout=120).stdout


werk = tempfile.mkdtemp(prefix="velkaro-browser-")
fouten = []
try:
    os.makedirs(os.path.join(werk, "demo"))
    for n in os.listdir(VOORBEELDEN):
        if n.startswith("club."):
            shutil.copy(os.path.join(VOORBEELDEN, n), os.path.join(werk, "demo"))
    cli("publish", os.path.join(werk, "demo", "club.xv7"), os.path.join(werk, "site"))

    # Sixty players, five Swiss rounds with random results.
    groot = os.path.join(werk, "groot", "zestig.xv7")
    os.makedirs(os.path.dirname(groot))
    cli("new", groot, "--system", "swiss")
    namen = [f"Speler-Achternaam{n:02d}, Voornaam" for n in range(1, 61)]
    namen[7] = "van der IJzerman-Œlschläger, Šárka"
    for i, n in enumerate(namen):
        cli("player", "add", groot, "--name", n, "--rating", str(1200 + 7 * i))
    for r in range(1, 6):
        cli("pair", groot)
        cli("results", "random", groot, str(r), "--seed", str(r))
    cli("publish", groot, os.path.join(werk, "groot-site"))

    paginas = [("index", "site/index.html"), ("stand", "site/groep-1/index.html"),
               ("voortschrijding", "groot-site/groep-1/voortschrijding.html"),
               ("speler", "groot-site/groep-1/speler-8.html")]
    for naam, pagina in paginas:
        pad = os.path.join(werk, pagina)
        for breedte, hoogte in ((390, 844), (1280, 800)):
            lijst = os.path.join(werk, f"lijst-{naam}-{breedte}.html")
            with open(lijst, "w", encoding="utf-8") as f:
                f.write(OMLIJSTING.replace("PAGINA", "file://" + pad)
                        .replace("BREEDTE", str(breedte)).replace("HOOGTE", str(hoogte)))
            venster = f"--window-size={max(breedte, 500)},{hoogte + 40}"
            dom = browser(venster, "--allow-file-access-from-files",
                          "--virtual-time-budget=5000", "--dump-dom", "file://" + lijst)
            m = re.search(r"<pre id=\"meting\">METING\[(.*?)\]</pre>", dom, re.S)
            if not m:
                fouten.append(f"{pagina} at {breedte}px: no measurement")
            elif m.group(1):
                fouten.append(f"{pagina} at {breedte}px: {m.group(1)}")
            if SCHERMAFDRUKKEN:
                png = os.path.join(SCHERMAFDRUKKEN, f"web-{naam}-{breedte}.png")
                browser(venster, "--allow-file-access-from-files", f"--screenshot={png}",
                        "file://" + lijst)
                if shutil.which("convert"):
                    subprocess.run(["convert", png, "-crop", f"{breedte}x{hoogte}+0+0", "+repage",
                                    png], check=False)
    print(f"{len(paginas)} pages at two widths measured")
finally:
    shutil.rmtree(werk, ignore_errors=True)

for f in fouten:
    print(f, file=sys.stderr)
sys.exit(1 if fouten else 0)
