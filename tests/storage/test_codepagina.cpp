#include "storage/codepagina.h"
#include "storage/regels.h"

#include <gtest/gtest.h>

using namespace velkaro;

TEST(Codepagina, HeenEnTerugVoorAlleTekens) {
    // Every byte except the five undefined ones survives the round trip.
    for (int b = 1; b < 256; ++b) {
        const std::string in(1, static_cast<char>(b));
        EXPECT_EQ(Utf8NaarWindows1252(Windows1252NaarUtf8(in)), in) << b;
    }
    EXPECT_EQ(std::forward_as_tuple(Windows1252NaarUtf8("\xBD"), Windows1252NaarUtf8("\x95"),
                                    Windows1252NaarUtf8("\x80"),
                                    Utf8NaarWindows1252("Kopiëren ½ •")),
              std::make_tuple("½", "•", "€", "Kopi\xEBren \xBD \x95"));
}

TEST(Codepagina, OnbekendeTekensWordenVraagtekens) {
    EXPECT_EQ(Utf8NaarWindows1252("Łódź"), "?\xF3"
                                           "d?");
    EXPECT_EQ(Utf8NaarWindows1252("a😀b"), "a?b");
    EXPECT_EQ(Utf8NaarWindows1252("\xC3"), "?");   // cut sequence
    EXPECT_EQ(Utf8NaarWindows1252("\x80x"), "?x"); // stray continuation byte
}

TEST(Regels, ReeleGetallenInHetBestandsformaat) {
    EXPECT_EQ(std::forward_as_tuple(ReeelTekst(1.5), ReeelTekst(0.0), ReeelTekst(-1234.5),
                                    ReeelTekst(0.00125), ReeelTekst(60.0).size()),
              std::make_tuple(" 1.50000000000000E+0000", " 0.00000000000000E+0000",
                              "-1.23450000000000E+0003", " 1.25000000000000E-0003", 23u));
}

TEST(Regels, LezenVanWaarden) {
    Regellezer r("  42  rest\r\nTRUE\r\ntrue\r\n12abc\r\n1.5\r\n-7\n3,5\r\n99999999999\r\n");
    EXPECT_EQ(r.Getal(), 42);
    EXPECT_TRUE(r.Boolean());
    EXPECT_FALSE(r.Boolean()); // only exactly TRUE
    EXPECT_EQ(r.Getal(), 0);   // not a number as a whole
    EXPECT_DOUBLE_EQ(r.Reeel(), 1.5);
    EXPECT_EQ(r.Getal(), -7); // a bare LF ends a line too
    EXPECT_DOUBLE_EQ(r.Reeel(), 3.0);
    EXPECT_EQ(r.Getal(), 2147483647);
    EXPECT_TRUE(r.Einde());
    EXPECT_EQ(r.Getal(), 0); // past the end: 0, false, empty
    EXPECT_FALSE(r.Boolean());
    EXPECT_EQ(r.Tekst(), "");
    // A count is the same first word, but digits only.
    Regellezer a(" \t12 rest\r\n-3\r\n");
    EXPECT_EQ(a.Aantal(), 12);
    EXPECT_EQ(a.Aantal(), std::nullopt);
}
