// The control texts of the desktop program: within one menu or dialog no two items may share
// an accelerator letter, in any language, or one of them cannot be reached from the keyboard.
#include "lang/teksten.h"
#include "model/tekst.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace velkaro::lang;

namespace {

// The letter after the single "&" of a text, upper case; empty when it has none.
std::string Sneltoets(const std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&') continue;
        if (t[i + 1] == '&') {
            ++i;
            continue;
        }
        std::size_t n = 1;
        while (i + 1 + n < t.size() && (static_cast<unsigned char>(t[i + 1 + n]) & 0xC0) == 0x80)
            ++n;
        return velkaro::Hoofdletters(t.substr(i + 1, n));
    }
    return {};
}

const std::vector<std::vector<T>> kGroepen = {
    {T::MnuBestand, T::MnuBewerken, T::MnuGegevens, T::MnuWedstrijden, T::MnuUitvoer,
     T::MnuCompetitie, T::MnuInfo},
    {T::MnuOngedaan, T::MnuOpnieuw},
    {T::MnuOpenen, T::MnuOpslaan, T::MnuNieuw, T::MnuPrinter, T::MnuTaal, T::MnuExport,
     T::MnuAfsluiten},
    {T::MnuSpelers, T::MnuInstellingen, T::MnuCategorieen, T::MnuEloOverzetten,
     T::MnuToernooigegevens},
    {T::MnuRoosterMaken, T::MnuUitslagenInvoeren, T::MnuMatrix, T::MnuPerRondeMatrix,
     T::MnuWissenUitslagen, T::MnuHersorteren},
    {T::MnuStand, T::MnuVoortschrijding, T::MnuTegenstanderPerRonde, T::MnuCategorie,
     T::MnuUitslagen, T::MnuAlleRanglijsten, T::MnuDeelnemerslijst, T::MnuGeschiedenis,
     T::MnuFMJDTabel, T::MnuPubliceren, T::MnuPubliceerNaOpslaan},
    {T::MnuWisselen, T::MnuHeropenen},
    {T::MnuHelp, T::MnuOver},
    {T::GrpKies, T::GrpWijzigNaam, T::GrpNieuw, T::GrpKopieer, T::GrpHernummer, T::GrpVerwijder},
    {T::TaalNederlands, T::TaalEngels, T::TaalFrans, T::TaalR, T::BtnOK},
    {T::InsNormaal, T::InsKeizer, T::InsMoyenne, T::InsRating, T::InsZwitsersWeerstand,
     T::InsZwitsersRating, T::InsLarensSysteem},
    // the player register
    {T::SplNieuw, T::SplWijzig, T::SplVerwijder, T::SplZoek, T::SplDeelnemerslijst, T::SplVolgorde,
     T::SplWillekeurig, T::SplIngeven, T::SplMaximumnummer, T::SplSnelIngeven, T::SplLotinggroepen,
     T::SplParallel, T::SplTegenElkaarIn, T::SplNummeren, T::BtnOK, T::BtnHelp},
    // the player entry dialog
    {T::InvNaam,
     T::InvLotingnr,
     T::InvKort,
     T::InvPlaats,
     T::InvLand,
     T::InvCategorie,
     T::InvBarrage,
     T::InvStand,
     T::InvRooster,
     T::InvRatingNat,
     T::InvTitelNat,
     T::InvRatingFMJD,
     T::InvTitelFMJD,
     T::InvFMJDID,
     T::InvGebruikRatingbestand,
     T::InvFMJDBestand,
     T::InvVolledigeVoornaam,
     T::BtnOK,
     T::InvAnnuleren,
     T::InvHelp},
    // the categories dialog
    {T::CatLetter, T::CatOmschrijving, T::CatInvoegen, T::CatVerwijderen, T::BtnOK, T::BtnHelp},
    {T::RsKeuze, T::RsNieuw, T::RsInvoegen, T::RsVerwijderen, T::BtnOK, T::BtnHelp},
    // The match list; its result buttons carry the digits "&0" to "&8".
    {T::WlDatum, T::WlNieuw, T::WlWijzig, T::WlVerwijder, T::WlNummer, T::WlRonde, T::WlWissel,
     T::WlRandom, T::WlSpelers, T::WlRooster, T::WlAbort, T::WlGroep, T::WlRegl00, T::WlAfgebroken,
     T::WlUitslagWeg, T::WlReglUitslag, T::BtnOK, T::BtnHelp},
    {T::WiWit, T::WiZwart, T::WiOfRating, T::WiAlleSpelers, T::BtnOk, T::BtnAnnuleren, T::BtnHelp},
    // the schedule dialog and its progress window
    {T::VanafRonde, T::LaatsteRondeKeuze, T::Kleuren, T::KleurenStandaard, T::KleurenVerwisseld,
     T::HandmatigSelecteren, T::IedereenSelecteren, T::NiemandSelecteren, T::InTeRoosteren,
     T::TotaalAantalSpelers, T::RoosterSamenstellen, T::KnopAnnuleren, T::RoosterHelp,
     T::Debugfile},
    {T::VooruitgangRoosteren, T::Onderzocht, T::KnopStop},
    // the report dialog, the sort dialog and the print preview
    {T::RgPrint,
     T::RgSetupPrinter,
     T::RgBeeldscherm,
     T::RgDisk,
     T::RgFont,
     T::RgGeformatteerd,
     T::RgStaand,
     T::RgLiggend,
     T::RgVorigeNotering,
     T::RgMatrix,
     T::RgStatistiek,
     T::RgPlaats,
     T::RgCategorie,
     T::RgKleurverhouding,
     T::RgTotaalgegevens,
     T::RgUitslagen,
     T::RgVolgendeRonde,
     T::RgKleurPerSpeler,
     T::RgLotingnummer,
     T::RgRating,
     T::RgToernooigegevens,
     T::RgFMJDInfo,
     T::RgFMJDTitel,
     T::RgNatTitel,
     T::RgLand,
     T::RgTweedeRating,
     T::RgVanRonde,
     T::RgTotEnMetRonde,
     T::RgWedstrijdnummer,
     T::RgTafelnummer,
     T::RgInfoEerdereRonde,
     T::RgSerieStand,
     T::RgSerieVoortschrijding,
     T::RgSerieTegenstander,
     T::RgSerieCategorie,
     T::RgVanCompetitie,
     T::RgTotCompetitie,
     T::RgSorteerNaam,
     T::RgSorteerRating,
     T::RgSorteerLoting,
     T::RgZoekSpeler,
     T::RgAlle,
     T::RgGeen,
     T::RgKies,
     T::RgVasteTekst,
     T::RgEenmaligeTekst,
     T::RgWijzigToernooi,
     T::RgMaximumPerRegel,
     T::RgRondesInMatrix,
     T::BtnOK,
     T::BtnHelp},
    {T::SrtVanRonde, T::SrtTotRonde, T::SrtMinimum, T::SrtVorigeNotering, T::SrtSorteren,
     T::SrtInstellingen},
    {T::PrFont, T::PrPrint, T::PrPrinter, T::PrPdf, T::PrSluiten, T::BtnHelp},
};

} // namespace

TEST(TekstenUi, GeenGedeeldeSneltoetsen) {
    EXPECT_EQ(std::forward_as_tuple(Sneltoets("Op&slaan"), Sneltoets("Données du &tournoi"),
                                    Sneltoets("Ca&tégorie"), Sneltoets("&Écrire"),
                                    Sneltoets("A && B")),
              std::make_tuple("S", "T", "T", "É", ""));
    for (Taal taal : {Taal::Nederlands, Taal::Engels, Taal::Frans})
        for (const auto& groep : kGroepen) {
            std::map<std::string, std::string> gezien;
            for (T id : groep) {
                const std::string& tekst = Tekst(taal, id);
                const std::string letter = Sneltoets(tekst);
                if (letter.empty()) continue;
                const auto [plek, nieuw] = gezien.emplace(letter, tekst);
                EXPECT_TRUE(nieuw) << NaamVanTaal(taal) << ": \"" << tekst << "\" and \""
                                   << plek->second << "\" share &" << letter;
            }
        }
}
