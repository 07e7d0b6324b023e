// Fuzzes the readers of foreign files: the first byte chooses WDS, TXT, DOC, DEE (its ".SCO"
// after "\n@@\n") or z6e. What was read must be written as a group file that reads back with
// the same players and matches, and as a WDS record when the group fits one.
#include "storage/competitiebestand.h"
#include "storage/import.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Controleer(const velkaro::Competitie& c) {
    velkaro::Competitie terug;
    if (velkaro::LeesGroepTekst(terug, velkaro::SchrijfGroepTekst(c), velkaro::kHuidigeVersie))
        std::abort();
    if (terug.Spelers.Aantal() != c.Spelers.Aantal() ||
        terug.Wedstrijden.Aantal() != c.Wedstrijden.Aantal())
        std::abort();
    if (c.Spelers.Aantal() > velkaro::kMaxImportSpelers) std::abort();
    std::string record;
    if (velkaro::WDSRecord(c, record) == velkaro::WDSWeigering::Geen &&
        record.size() != velkaro::kWDSGrootte)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view invoer(reinterpret_cast<const char*>(data) + 1, size - 1);
    velkaro::Importresultaat r;
    velkaro::Competitie c;
    switch (data[0] % 5) {
    case 0:
        velkaro::LeesWDSInhoud(c, invoer, r);
        break;
    case 1:
        velkaro::LeesTXTInhoud(c, invoer, r);
        break;
    case 2:
        velkaro::LeesDOCInhoud(c, invoer, r);
        break;
    case 3: {
        const std::size_t scheiding = invoer.find("\n@@\n");
        if (scheiding == std::string_view::npos) {
            velkaro::LeesDEEInhoud(c, invoer, nullptr, r);
        } else {
            const std::string_view sco = invoer.substr(scheiding + 4);
            velkaro::LeesDEEInhoud(c, invoer.substr(0, scheiding), &sco, r);
        }
        break;
    }
    default:
        for (const auto& g : velkaro::LeesZ6EGroepen(invoer, r)) {
            velkaro::Competitie groep;
            velkaro::VulZ6EGroep(groep, invoer, g, r);
            Controleer(groep);
        }
        return 0;
    }
    if (r.Meldingen.size() > velkaro::kMaxImportmeldingen) std::abort();
    Controleer(c);
    return 0;
}
