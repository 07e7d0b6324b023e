#include "lang/namen.h"
#include "lang/teksten.h"

#include <gtest/gtest.h>

using namespace velkaro::lang;

TEST(Teksten, ElkeTaalHeeftElkeTekst) {
    for (Taal t : {Taal::Nederlands, Taal::Engels, Taal::Frans})
        for (std::size_t i = 0; i < kAantalTeksten; ++i)
            EXPECT_FALSE(Tekst(t, static_cast<T>(i)).empty()) << static_cast<int>(t) << " " << i;
}

TEST(Teksten, VasteRijenUitDeTabellen) {
    EXPECT_EQ(std::forward_as_tuple(
                  Tekst(Taal::Engels, T::Rondtoernooi), Tekst(Taal::Frans, T::Rondtoernooi),
                  Tekst(Taal::Engels, T::Sp), Tekst(Taal::Frans, T::AFG),
                  Tekst(Taal::Engels, T::OnevenAantalSpelers), Tekst(Taal::Frans, T::KanNietParen),
                  Tekst(Taal::Frans, T::CompetitiegroepNietVerwijderd),
                  Tekst(Taal::Nederlands, T::GeenTitel), Tekst(Taal::Engels, T::TaalNederlands),
                  Tekst(Taal::Engels, T::TaalFrans), Tekst(Taal::Frans, T::MnuOpenen),
                  Tekst(Taal::Frans, T::MnuOpslaan), Tekst(Taal::Engels, T::MnuBestand)),
              std::make_tuple("Normal", "Tournament normal", "Pl: ", "ARR",
                              "Unpaired number of players", "Créer grille pas possible",
                              "Compétition n a pas essuyer", " Geen titel", "&Dutch", "&French",
                              "&Lancement", "&Écrire", "&File"));
}

TEST(Teksten, KolomkoppenHoudenHunBreedte) {
    for (T id : {T::KopTRt, T::KopERt, T::KopSB, T::KopHAR, T::KopOR, T::KopWP, T::KopWl, T::KopWlh,
                 T::KopKeizerpnt, T::KopNu})
        for (Taal t : {Taal::Engels, Taal::Frans})
            EXPECT_EQ(Tekst(t, id).size(), Tekst(Taal::Nederlands, id).size()) << Tekst(t, id);
}

TEST(Teksten, TaalKiezen) {
    EXPECT_EQ(std::forward_as_tuple(TaalVanNaam("Engels"), TaalVanNaam("Klingon"), TaalVanNaam("")),
              std::make_tuple(Taal::Engels, Taal::Nederlands, Taal::Nederlands));
    KiesTaal(Taal::Frans);
    EXPECT_EQ(Tekst(T::Fout), "Erreur");
    EXPECT_EQ(SysteemNaam(1), "Suisse");
    KiesTaal(Taal::Nederlands);
    EXPECT_EQ(SysteemNaam(17), "Larens systeem");
    EXPECT_EQ(SysteemNaam(9), "Systeem 9");
}
