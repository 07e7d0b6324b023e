// Fuzzes the rating-list readers: the input is read in every record layout, and every entry
// must give its list line and names within their capacities, with the filter and positioning
// of player entry run over the result.
#include "entry/ratingkeuze.h"
#include "model/tekst.h"
#include "storage/ratinglijst.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view invoer(reinterpret_cast<const char*>(data), size);
    using velkaro::Ratingformaat;
    for (Ratingformaat f : {Ratingformaat::KNDB4, Ratingformaat::Elo3, Ratingformaat::Elo2}) {
        const auto l = velkaro::LeesNationaleLijst(invoer, f);
        for (const auto& e : l.Spelers) {
            if (velkaro::AantalTekens(e.Lijstnaam()) > velkaro::kLijstnaamLengte ||
                velkaro::AantalTekens(e.VolledigeNaam()) > velkaro::kVolledigeNaamLengte ||
                velkaro::AantalTekens(e.KorteNaam()) > velkaro::kKorteNaamLengte)
                std::abort();
            if (velkaro::Lijstregel(e, f).find('\n') != std::string::npos) std::abort();
        }
        velkaro::Ratingkeuze k(l);
        k.Filter(invoer.substr(0, 8));
        if (k.Positie(invoer.substr(0, 12)) > k.Aantal()) std::abort();
    }
    const auto fmjd = velkaro::LeesFMJDInhoud(invoer);
    for (const auto& e : fmjd.Spelers)
        if (velkaro::Lijstregel(e).find('\n') != std::string::npos) std::abort();
    velkaro::Ratingkeuze k(fmjd);
    k.Filter(invoer.substr(0, 8));
    return 0;
}
