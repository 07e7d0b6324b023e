#include "model/rekenopties.h"

#include <gtest/gtest.h>

using namespace velkaro;

namespace {
trekenopties Standaard() {
    trekenopties o;
    o.ZetStandaard();
    return o;
}
} // namespace

TEST(Rekenopties, StandaardwaardenVanDeReset) {
    trekenopties o;
    o.PuntenPlusRemise = 3;
    o.Viertallentoernooi = true;
    o.Optievlaggen = VlagSchaaknotatie;
    o.Toernooinaam = "oud";
    o.ZetStandaard();
    EXPECT_EQ(std::forward_as_tuple(o.Sorteervolgorde, o.KeizerNietGespeeld, o.Aanvangsrating,
                                    o.Ratingmethode, o.Herberekenen),
              std::make_tuple(389, 33, 2100, 2, 1));
    EXPECT_TRUE(o.Toernooinaam.empty());
    // Left alone by the reset.
    EXPECT_EQ(std::forward_as_tuple(o.PuntenPlusRemise, bool(o.Viertallentoernooi), o.Optievlaggen),
              std::make_tuple(3, true, VlagSchaaknotatie));
}

TEST(Rekenopties, PuntenVoorUitslagNormaal) {
    auto o = Standaard();
    EXPECT_EQ(std::forward_as_tuple(o.PuntenVoorUitslag(0), o.PuntenVoorUitslag(1),
                                    o.PuntenVoorUitslag(2), o.PuntenVoorUitslag(255)),
              std::make_tuple(0, 1, 2, 0));
    // Without plus/minus draws, codes 3 and 4 are plain draws.
    EXPECT_EQ(std::forward_as_tuple(o.PuntenVoorUitslag(3), o.PuntenVoorUitslag(4),
                                    o.PuntenVoorUitslag(7)),
              std::make_tuple(1, 1, 0));
}

TEST(Rekenopties, PlusEnMinRemisesEnKNDBDelfts) {
    auto o = Standaard();
    o.PuntenWinst = 4;
    o.PuntenRemise = 2;
    o.PuntenPlusRemise = 3;
    o.PuntenMinRemise = 1;
    EXPECT_EQ(std::forward_as_tuple(bool(o.PlusMinRemisesActief()), o.PuntenVoorUitslag(4),
                                    o.PuntenVoorUitslag(3)),
              std::make_tuple(true, 3, 1));
    o.ZetVlag(VlagKNDBDelfts, true);
    EXPECT_EQ(std::forward_as_tuple(bool(o.PlusMinRemisesActief()), bool(o.BijzondereRemises()),
                                    o.PuntenVoorUitslag(4)),
              std::make_tuple(false, true, 3));
    o.PuntenPlusRemise = 0;
    o.PuntenMinRemise = 0;
    o.ZetVlag(VlagKNDBDelfts, false);
    EXPECT_FALSE(o.BijzondereRemises());
}

TEST(Rekenopties, BordpuntenGevenDeCodeZelf) {
    auto o = Standaard();
    o.Viertallentoernooi = true;
    EXPECT_EQ(o.PuntenVoorUitslag(6), 6);
    o.Viertallentoernooi = false;
    o.Rekensysteem = SysteemZwitsers;
    o.PuntenWinst = 8;
    EXPECT_TRUE(o.Bordpunten());
    EXPECT_EQ(o.PuntenVoorUitslag(5), 5);
    o.Rekensysteem = SysteemNormaal; // not Swiss: 8 for a win is just a points table
    EXPECT_FALSE(o.Bordpunten());
    EXPECT_EQ(o.PuntenVoorUitslag(2), 8);
}

TEST(Rekenopties, SysteemfamilieEnSorteercriteria) {
    auto o = Standaard();
    for (uint16_t s : {1, 5, 6}) {
        o.Rekensysteem = s;
        EXPECT_TRUE(o.IsZwitsers()) << s;
    }
    for (uint16_t s : {0, 2, 3, 4, 16, 17}) {
        o.Rekensysteem = s;
        EXPECT_FALSE(o.IsZwitsers()) << s;
    }
    o.Sorteervolgorde = 389;
    EXPECT_EQ(std::forward_as_tuple(o.SorteerCriterium(1), o.SorteerCriterium(3),
                                    o.SorteerCriterium(4), o.SorteerCriterium(0)),
              std::make_tuple(3, 9, 0, 0));
    o.Sorteervolgorde = 0;
    EXPECT_EQ(o.SorteerCriterium(1), 0);
}

TEST(Rekenopties, VlaggenEnHerberekenen) {
    auto o = Standaard();
    o.ZetVlag(VlagFMJD64, true);
    o.ZetVlag(VlagTestopties, true);
    EXPECT_TRUE(o.FMJD64());
    EXPECT_TRUE(o.Testopties());
    o.ZetVlag(VlagFMJD64, false);
    EXPECT_EQ(o.Optievlaggen, VlagTestopties);
    EXPECT_FALSE(o.IsActueel());
    o.WisHerberekenen();
    EXPECT_TRUE(o.IsActueel());
}
