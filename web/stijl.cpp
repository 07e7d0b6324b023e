// The one style sheet of the site: readable from a 360-pixel phone to a desktop screen, wide
// tables scrolling inside their own box, and a print style without the navigation.
#include "web/html.h"

namespace velkaro::web {

const std::string& Stijlblad() {
    static const std::string kStijl = R"(/* Velkaro web site */
*, *::before, *::after { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0;
  padding: 0 0.75rem 1.5rem;
  font-family: system-ui, -apple-system, "Segoe UI", Roboto, "Noto Sans", "DejaVu Sans", sans-serif;
  font-size: 1rem;
  line-height: 1.45;
  color: #1b1f24;
  background: #fff;
}
header, main, footer { max-width: 72rem; margin: 0 auto; }
h1 { font-size: 1.4rem; margin: 0.6rem 0 0.8rem; overflow-wrap: anywhere; }
h2 { font-size: 1.1rem; margin: 1.2rem 0 0.4rem; overflow-wrap: anywhere; }
p, dd, li { overflow-wrap: anywhere; }
a { color: #0b4ea2; }
a:focus-visible, .rol:focus-visible { outline: 3px solid #f2a900; outline-offset: 2px; }
.overslaan { position: absolute; left: -10000px; }
.overslaan:focus { position: static; }
.pad { margin: 0.6rem 0 0.3rem; font-size: 0.95rem; }
nav ul { list-style: none; margin: 0.3rem 0 0.6rem; padding: 0; display: flex; flex-wrap: wrap; gap: 0.35rem; }
nav a {
  display: inline-block;
  padding: 0.3rem 0.55rem;
  border: 1px solid #b9c3cf;
  border-radius: 0.3rem;
  text-decoration: none;
  background: #f4f6f9;
}
nav a[aria-current="page"] { background: #0b4ea2; border-color: #0b4ea2; color: #fff; }
a.laatste { font-weight: 700; }
nav a.laatste { border-color: #0b4ea2; }
.rol { max-width: 100%; overflow-x: auto; margin: 0.4rem 0 1.2rem; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { padding: 0.25rem 0.5rem; border-bottom: 1px solid #dbe1e8; text-align: left; white-space: nowrap; vertical-align: top; }
thead th { border-bottom: 2px solid #8a96a3; }
tbody th { font-weight: 400; white-space: normal; min-width: 8rem; }
.n { text-align: right; }
.vet { font-weight: 700; }
tbody tr:nth-child(even) { background: #f6f8fa; }
dl { display: grid; grid-template-columns: minmax(7rem, max-content) 1fr; gap: 0.2rem 0.8rem; margin: 0.4rem 0 1rem; }
dt { font-weight: 600; }
dd { margin: 0; }
footer { margin-top: 2rem; font-size: 0.85rem; color: #545d68; }
@media (max-width: 30rem) {
  body { padding: 0 0.5rem 1rem; }
  th, td { padding: 0.2rem 0.35rem; }
}
@media print {
  body { font-size: 10pt; padding: 0; color: #000; }
  nav, .overslaan, footer { display: none; }
  .rol { overflow: visible; }
  a { color: inherit; text-decoration: none; }
  tbody tr:nth-child(even) { background: none; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
}
)";
    return kStijl;
}

} // namespace velkaro::web
