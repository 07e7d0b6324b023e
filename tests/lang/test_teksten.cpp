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
    EXPECT_EQ(Tekst(Taal::Engels, T::Rondtoernooi), "Normal");
    EXPECT_EQ(Tekst(Taal::Frans, T::Rondtoernooi), "Tournament normal");
    EXPECT_EQ(Tekst(Taal::Engels, T::Sp), "Pl: ");
    EXPECT_EQ(Tekst(Taal::Frans, T::AFG), "ARR");
    EXPECT_EQ(Tekst(Taal::Engels, T::OnevenAantalSpelers), "Unpaired number of players");
    EXPECT_EQ(Tekst(Taal::Frans, T::KanNietParen), "Créer grille pas possible");
    EXPECT_EQ(Tekst(Taal::Frans, T::CompetitiegroepNietVerwijderd), "Compétition n a pas essuyer");
    EXPECT_EQ(Tekst(Taal::Nederlands, T::GeenTitel), " Geen titel");
}

TEST(Teksten, KolomkoppenHoudenHunBreedte) {
    for (T id : {T::KopTRt, T::KopERt, T::KopSB, T::KopHAR, T::KopOR, T::KopWP, T::KopWl, T::KopWlh,
                 T::KopKeizerpnt, T::KopNu})
        for (Taal t : {Taal::Engels, Taal::Frans})
            EXPECT_EQ(Tekst(t, id).size(), Tekst(Taal::Nederlands, id).size()) << Tekst(t, id);
}

TEST(Teksten, TaalKiezen) {
    EXPECT_EQ(TaalVanNaam("Engels"), Taal::Engels);
    EXPECT_EQ(TaalVanNaam("Klingon"), Taal::Nederlands);
    EXPECT_EQ(TaalVanNaam(""), Taal::Nederlands);
    KiesTaal(Taal::Frans);
    EXPECT_EQ(Tekst(T::Fout), "Erreur");
    EXPECT_EQ(SysteemNaam(1), "Suisse");
    KiesTaal(Taal::Nederlands);
    EXPECT_EQ(SysteemNaam(17), "Larens systeem");
    EXPECT_EQ(SysteemNaam(9), "Systeem 9");
}
