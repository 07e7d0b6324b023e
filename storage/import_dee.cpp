// The DEE player list with its SCO score file beside it.
#include "storage/import.h"

#include "model/tekst.h"
#include "storage/importdelen.h"

namespace velkaro {

using namespace importdelen;

void LeesDEEInhoud(Competitie& c, std::string_view dee, const std::string_view* sco,
                   Importresultaat& r) {
    int64_t n = 0, rondes = 0, spelers = 0;
    VoorElkeRegel(dee, [&](std::string_view regel, int64_t nummer) {
        if (nummer == 1) {
            n = LeesGetalBegin(regel);
        } else if (nummer == 2) {
            rondes = LeesGetalBegin(regel);
            if (rondes > 128) rondes -= 128;
        } else {
            if (spelers >= n) return false;
            if (spelers == static_cast<int64_t>(kMaxImportSpelers)) {
                r.Meld(Importmeldingsoort::TeVeelSpelers, nummer, Schoon(regel));
                return false;
            }
            ++spelers;
            c.Spelers.Voegtoe(
                ImportSpeler(Kolom(regel, 1, regel.size()), static_cast<int32_t>(spelers)));
        }
        return true;
    });
    if (!sco) {
        r.Meld(Importmeldingsoort::ScoreOntbreekt, 0, {});
        return;
    }
    if (rondes <= 0) return;
    // Blocks of 10 bytes, player by player, round by round; the loops end with the file.
    for (int64_t i = 1; i <= spelers; ++i) {
        for (int64_t ronde = 1; ronde <= rondes; ++ronde) {
            const uint64_t pos = static_cast<uint64_t>(((i - 1) * rondes + ronde - 1)) * 10;
            if (pos + 3 > sco->size()) return;
            if (Byte(*sco, pos) != 1) continue;
            const uint8_t tegen = Byte(*sco, pos + 1), uitslag = Byte(*sco, pos + 2);
            const std::string waar = std::to_string(i) + "/" + std::to_string(ronde);
            if (ronde > kMaxRonde) {
                r.Meld(Importmeldingsoort::TeVeelRondes, static_cast<int64_t>(pos), waar);
                break;
            }
            if (tegen < 1 || tegen > spelers) {
                r.Meld(Importmeldingsoort::OngeldigeWedstrijd, static_cast<int64_t>(pos), waar);
                continue;
            }
            if (c.Wedstrijden.Aantal() >= kMaxImportWedstrijden) {
                r.Meld(Importmeldingsoort::TeVeelWedstrijden, static_cast<int64_t>(pos), waar);
                return;
            }
            static const Uitslag kUitslagen[] = {std::nullopt, std::pair<uint8_t, uint8_t>{2, 0},
                                                 std::pair<uint8_t, uint8_t>{1, 1},
                                                 std::pair<uint8_t, uint8_t>{0, 2}};
            MaakWedstrijd(c, static_cast<int32_t>(ronde), static_cast<int32_t>(i),
                          static_cast<int32_t>(i), tegen,
                          uitslag <= 3 ? kUitslagen[uitslag] : std::nullopt);
            if (uitslag > 3)
                r.Meld(Importmeldingsoort::OnbekendeUitslag, static_cast<int64_t>(pos),
                       std::to_string(uitslag));
        }
    }
}

} // namespace velkaro
