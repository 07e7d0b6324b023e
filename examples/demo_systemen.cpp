// The demo's club groups under the Keizer, average, rating and Laren systems: a season of
// club evenings each, with members missing a round now and then.
#include "examples/demospel.h"

namespace velkaro::demo {

namespace {

const std::vector<Deelnemer> kKeizer = {
    {"Wolters, G.", "Wolters, Gert", "GWO", "Ommen", 1350, "S"},
    {"Ensing, M.", "Ensing, Marco", "MEN", "Dalfsen", 1318, "S"},
    {"Bouwman, J.", "Bouwman, Jelle", "JBO", "Ommen", 1290, "S"},
    {"Schuurman, H.", "Schuurman, Harm", "HSC", "Hardenberg", 1244, "V"},
    {"Kamphuis, R.", "Kamphuis, Rik", "RKA", "Ommen", 1215, "S"},
    {"Nijland, F.", "Nijland, Fenna", "FNI", "Lemelerveld", 1180, "S"},
    {"Lubbers, W.", "Lubbers, Wim", "WLU", "Ommen", 1142, "V"},
    {"Oosterhof, S.", "Oosterhof, Sanne", "SOO", "Dalfsen", 1105, "J"},
    {"Hulsebos, J.", "Hulsebos, Jan", "JHU", "Ommen", 1071, "V"},
    {"Brink, T.", "Brink, Tom", "TBR", "Vilsteren", 1030, "J"},
    {"Wessels, A.", "Wessels, Anton", "AWE", "Ommen", 988, "V"},
    {"Dijkstra, N.", "Dijkstra, Noor", "NDI", "Hardenberg", 951, "J"},
};

const std::vector<Deelnemer> kMoyenne = {
    {"ter Horst, B.", "ter Horst, Bennie", "BTH", "Lochem", 1290, "V"},
    {"Groot Wassink, E.", "Groot Wassink, Erik", "EGW", "Barchem", 1262, "S"},
    {"Heijink, M.", "Heijink, Maaike", "MHE", "Lochem", 1205, "S"},
    {"Nijenhuis, G.", "Nijenhuis, Gerard", "GNI", "Gorssel", 1168, "V"},
    {"Klein Gunnewiek, S.", "Klein Gunnewiek, Stijn", "SKG", "Lochem", 1130, "J"},
    {"Wiggers, H.", "Wiggers, Hennie", "HWI", "Eefde", 1098, "V"},
    {"Rouwenhorst, I.", "Rouwenhorst, Ilse", "IRO", "Lochem", 1064, "S"},
    {"Pelgrim, D.", "Pelgrim, Dennis", "DPE", "Zutphen", 1020, "S"},
    {"Oude Lenferink, R.", "Oude Lenferink, Ruud", "ROL", "Lochem", 985, "V"},
    {"Beltman, J.", "Beltman, Joris", "JBE", "Barchem", 940, "J"},
};

const std::vector<Deelnemer> kRating = {
    {"van Beek, A.", "van Beek, Arjen", "AVB", "Dieren", 1480, "S"},
    {"Hofman, L.", "Hofman, Lisa", "LHO", "Rheden", 1436, "S"},
    {"Timmer, K.", "Timmer, Kees", "KTI", "Velp", 1391, "V"},
    {"Evers, B.", "Evers, Bas", "BEV", "Dieren", 1347, "S"},
    {"Wouters, R.", "Wouters, Roel", "RWO", "Arnhem", 1302, "S"},
    {"Claassen, M.", "Claassen, Mieke", "MCL", "Velp", 1255, "V"},
    {"Gerritsen, D.", "Gerritsen, Daan", "DGE", "Dieren", 1210, "J"},
    {"Lammers, H.", "Lammers, Henk", "HLA", "Rheden", 1168, "V"},
    {"Verhoef, E.", "Verhoef, Eva", "EVE", "Doesburg", 1121, "J"},
    {"Roelofs, T.", "Roelofs, Ties", "TRO", "Dieren", 0, "J"},
};

// Numbered by strength, as the Laren system wants: the drawing number sets the value.
const std::vector<Deelnemer> kLaren = {
    {"de Graaf, M.", "de Graaf, Michiel", "MDG", "Bussum", 1520, "1"},
    {"Verbeek, H.", "Verbeek, Hans", "HVE", "Naarden", 1484, "1"},
    {"Post, A.", "Post, Annemiek", "APO", "Huizen", 1447, "1"},
    {"van Dam, K.", "van Dam, Kevin", "KVD", "Bussum", 1410, "1"},
    {"Schouten, P.", "Schouten, Pim", "PSC", "Hilversum", 1372, "1"},
    {"Koopman, G.", "Koopman, Gijs", "GKO", "Huizen", 1335, "1"},
    {"Willemsen, F.", "Willemsen, Frits", "FWI", "Bussum", 1298, "1V"},
    {"Smeets, L.", "Smeets, Laura", "LSM", "Naarden", 1260, "2"},
    {"van Rijn, B.", "van Rijn, Bart", "BVR", "Bussum", 1224, "2"},
    {"Jonker, P.", "Jonker, Piet", "PJO", "Blaricum", 1187, "2V"},
    {"de Wit, S.", "de Wit, Sem", "SDW", "Huizen", 1150, "2J"},
    {"Kramer, Y.", "Kramer, Yvonne", "YKR", "Bussum", 1112, "2"},
    {"Molenaar, L.", "Molenaar, Luuk", "LMO", "Hilversum", 1075, "2J"},
    {"van Vliet, T.", "van Vliet, Tim", "TVV", "Bussum", 1036, "2J"},
};

} // namespace

void Keizercompetitie(Competitie& c) {
    c.Opties.Toernooinaam = "Keizercompetitie DV De Vechtstreek 2026-2027";
    c.Opties.Rekensysteem = SysteemKeizer;
    // Choosing the Keizer system empties the sort order: its ranking has no tie-breaks.
    c.Opties.Sorteervolgorde = 0;
    // The value of the leader three times the number of members; the values follow the
    // totals (optimised), so the ranking does not depend on the values of an earlier ranking.
    c.Opties.PuntenNr1 = 36;
    c.Opties.NietOptimaliseren = 0;
    c.Toernooi.SpeelPlaats = "Ommen";
    c.Toernooi.SpeelLand = "Nederland";
    c.Toernooi.SpeelVan = "10-09-2026";
    c.Toernooi.Speeltempo = "60 min + 1 min/zet";
    c.Toernooi.WLNaam = "DV De Vechtstreek";
    c.Toernooi.ARNaam = "H. Pots";
    c.Categorieen = Clubcategorieen();
    VoegSpelersToe(c, kKeizer);
    SpeelSeizoen(
        c, 20260910,
        {"10-09-2026", "24-09-2026", "08-10-2026", "22-10-2026", "05-11-2026", "19-11-2026"},
        {{}, {7, 11}, {3, 12}, {5, 9}, {}, {2, 7}});
}

void Moyennecompetitie(Competitie& c) {
    c.Opties.Toernooinaam = "Moyennecompetitie DV De Berkel 2026-2027";
    c.Opties.Rekensysteem = SysteemMoyenne;
    // Own scoring rate counts twice, the opponents' rate (their points over their games) once;
    // a member needs four games to rank among the others.
    c.Opties.WegingEigen = 2;
    c.Opties.WegingTegen = 1;
    c.Opties.NietWegen = 0;
    c.MinimumWedstrijden = 4;
    c.Toernooi.SpeelPlaats = "Lochem";
    c.Toernooi.SpeelLand = "Nederland";
    c.Toernooi.SpeelVan = "08-09-2026";
    c.Toernooi.Speeltempo = "50 min + 10 s/zet";
    c.Toernooi.WLNaam = "DV De Berkel";
    c.Categorieen = Clubcategorieen();
    VoegSpelersToe(c, kMoyenne);
    SpeelSeizoen(c, 20260908,
                 {"08-09-2026", "22-09-2026", "06-10-2026", "20-10-2026", "03-11-2026",
                  "17-11-2026", "01-12-2026"},
                 {{}, {6, 10}, {2, 9}, {3, 6}, {6, 8}, {}, {1, 6}});
}

void Ratingcompetitie(Competitie& c) {
    c.Opties.Toernooinaam = "Ratingcompetitie DV Veluwezoom 2026-2027";
    c.Opties.Rekensysteem = SysteemRating;
    // Ranked by performance rating; a new member without a rating starts at 1000.
    c.Opties.Ratingmethode = 0;
    c.Opties.Aanvangsrating = 1000;
    c.Toernooi.SpeelPlaats = "Dieren";
    c.Toernooi.SpeelLand = "Nederland";
    c.Toernooi.SpeelVan = "16-09-2026";
    c.Toernooi.Speeltempo = "70 min + 1 min/zet";
    c.Toernooi.WLNaam = "DV Veluwezoom";
    c.Toernooi.ARNaam = "W. Hendriksen";
    c.Categorieen = Clubcategorieen();
    VoegSpelersToe(c, kRating);
    SpeelSeizoen(
        c, 20260916,
        {"16-09-2026", "30-09-2026", "14-10-2026", "28-10-2026", "11-11-2026", "25-11-2026"},
        {{}, {}, {4, 9}, {}, {2, 10}, {}});
}

void Larencompetitie(Competitie& c) {
    c.Opties.Toernooinaam = "Voorjaarscompetitie DV Gooi en Vecht 2027";
    c.Opties.Rekensysteem = SysteemLaren;
    c.LarenBasis = 60;
    c.Toernooi.SpeelPlaats = "Bussum";
    c.Toernooi.SpeelLand = "Nederland";
    c.Toernooi.SpeelVan = "08-01-2027";
    c.Toernooi.Speeltempo = "60 min + 30 s/zet";
    c.Toernooi.WLNaam = "DV Gooi en Vecht";
    c.Toernooi.ARNaam = "C. Blom";
    // The digit of a member's categories is his playing group.
    c.Categorieen = {{"1", "Groep 1"}, {"2", "Groep 2"}, {"J", "Jeugd"}, {"V", "Veteranen"}};
    VoegSpelersToe(c, kLaren);
    SpeelSeizoen(
        c, 20270108,
        {"08-01-2027", "22-01-2027", "05-02-2027", "19-02-2027", "05-03-2027", "19-03-2027"},
        {{}, {6, 13}, {}, {2, 11}, {9, 14}, {4, 12}});
}

} // namespace velkaro::demo
