#include "reports/matrix.h"

#include "lang/teksten.h"
#include "reports/punten.h"

#include <algorithm>
#include <string>

namespace velkaro {

namespace {

const char* const kBullet = "\xE2\x80\xA2"; // "•", byte 149 in Windows-1252

std::string Cijfer(int32_t punten) {
    return punten >= 10 ? "#" : std::to_string(punten);
}

// The 2-1-0 family of scorings (chess notation included), where a single game can be shown as
// + = -. With plus- and minus-draws or KNDB-Delfts a win is worth 4 and the signs would lie.
bool GewonePunten(const trekenopties& o) {
    return !o.KNDBDelfts() && !o.PlusMinRemisesActief() && !o.Bordpunten();
}

} // namespace

int MatrixBreedte(const Competitie& c) {
    const int r = std::clamp(c.RondesInMatrix, 1, 4);
    return c.Opties.KNDBDelfts() ? r + 1 : r;
}

Uitvoercel MatrixKopcel(std::size_t positie, int breedte) {
    std::string s = std::to_string(positie);
    if (breedte >= 1 && breedte <= 2 && s.size() > static_cast<std::size_t>(breedte))
        s = s.substr(s.size() - static_cast<std::size_t>(breedte));
    Uitvoercel cel = Uitvoercel::MetTekst(s, breedte, true);
    cel.Kopcel = true;
    return cel;
}

Uitvoercel MatrixCel(const Competitie& c, const Partijtabellen& t, std::size_t rij,
                     std::size_t kolom, int breedte) {
    return MatrixCel(c, c.Ranglijst, t, rij, kolom, breedte);
}

Uitvoercel MatrixCel(const Competitie& c, const tranglijst& lijst, const Partijtabellen& t,
                     std::size_t rij, std::size_t kolom, int breedte) {
    Uitvoercel cel = Uitvoercel::MetTekst({}, breedte, true);
    if (kolom < 1 || kolom > lijst.Aantal() || rij < 1 || rij > lijst.Aantal()) return cel;
    if (kolom == rij) {
        cel.Tekst = kBullet;
        return cel;
    }
    const trekenopties& o = c.Opties;
    const int32_t p = lijst.At(rij - 1).Speler->InternNummer();
    const int32_t q = lijst.At(kolom - 1).Speler->InternNummer();
    const Paarstand* s = t.Onderling(p, q);
    const int rondesInMatrix = std::clamp(c.RondesInMatrix, 1, 4);
    if (!s || s->Partijen == 0) {
        cel.Tekst = (s && s->Afgebroken) ? lang::Tekst(lang::T::A) : ".";
        return cel;
    }
    if (rondesInMatrix == 1 && s->Partijen >= 2) cel.Vet = true;
    if (o.Bordpunten()) {
        cel.Tekst = Cijfer(s->Bordpunten);
        return cel;
    }
    const int32_t punten = s->Punten(o);
    if (rondesInMatrix == 1 && GewonePunten(o)) {
        if (s->Partijen == 1 && punten == 2)
            cel.Tekst = "+";
        else if (s->Partijen == 1 && (punten == 1 || punten == 4 || punten == 5))
            cel.Tekst = "=";
        else if (s->Partijen == 1 && punten == 0)
            cel.Tekst = "-";
        else
            cel.Tekst = Cijfer(punten);
        return cel;
    }
    cel.Tekst = PuntenTekst(o, punten);
    return cel;
}

} // namespace velkaro
