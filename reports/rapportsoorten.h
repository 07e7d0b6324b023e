// The report kinds besides the ranking list, the progress table and the opponents per round:
// rankings per category, results and schedule, participants, player history and the series
// over several competition groups.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"

#include <cstdint>
#include <string>
#include <utility>

namespace velkaro {

// The ranked players who carry a category letter, in ranking order.
tranglijst SpelersMetCategorie(const Competitie& c, const std::string& letter);

// Kind 3: the ranking list repeated for every category of the competition, each over the
// ranked players who carry its letter, places counted within the category.
void SchrijfRanglijstenPerCategorie(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                    const std::string& titel);

// Kind 4: one table per round of the results range (and the round after it with "Volgende
// ronde"): match and board numbers, drawing numbers, the players, their points before the
// round and the note on repeated meetings as asked, and the result ("AFG" when adjourned)
// with "Uitslagen"; with "Kleur per speler" the players of the round by name with colour,
// board and opponent.
void SchrijfUitslagenEnRooster(const Competitie& c, const Rapportopties& o, TUitvoerObject& u);
// The rounds kind 4 writes: the range asked for (the last round by default), in order.
std::pair<int32_t, int32_t> Uitslagbereik(const Competitie& c, const Rapportopties& o);

// A match's result as the results list prints it: the two sides' points in the notation of
// the settings ("2 - 0"), board scores in board-point mode, "AFG" when adjourned, empty
// without a result.
std::string Rapportuitslag(const trekenopties& o, const twedstrijdobj& w);

// Kind 6: every player, sorted by name, rating (highest first) or drawing number.
void SchrijfDeelnemerslijst(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                            const std::string& titel);

// Kind 7: per player asked for, his games in round order.
void SchrijfGeschiedenis(const Competitie& c, const Rapportopties& o, TUitvoerObject& u);

// Kind 5: for every competition group in the range, in order of Competitienummer, the lists
// of "Serie ranglijsten". The open group is taken as it is in memory, the others are read
// from their group files and their standings computed silently.
void SchrijfSerie(const Competitie& c, const Rapportopties& o, TUitvoerObject& u);
// The standings of a group of the series: its default range, places numbered, the previous
// places kept.
void BerekenSerieStand(Competitie& g);

} // namespace velkaro
