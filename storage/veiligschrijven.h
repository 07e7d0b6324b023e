// Replacing a file safely: a unique temporary file beside the file it replaces, written,
// flushed to disk, given the old file's mode and renamed over it, then the folder flushed.
#pragma once

#include "storage/competitiebestand.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// The file a save really writes: a symbolic link is followed to its final target, so the
// link stays a link and the file it names gets the new content.
std::string Schrijfdoel(const std::string& pad);

// Whether the file may be replaced: refused when it is read-only (no write permission for
// anyone, or the system says so) or is no regular file. A missing file may be created.
Bestandsresultaat ControleerSchrijfbaar(const std::string& pad);

// A completely written temporary file that has not yet replaced its target. Destroying it
// before Vervang removes the temporary file.
class Tijdelijkbestand {
public:
    Tijdelijkbestand() = default;
    Tijdelijkbestand(Tijdelijkbestand&& a) noexcept;
    Tijdelijkbestand& operator=(Tijdelijkbestand&& a) noexcept;
    ~Tijdelijkbestand();

    // Writes the content into a new temporary file beside the target of pad (created
    // exclusively under a unique name, never through a link) and flushes it to disk. With
    // volgLink false the target is pad itself: a file the program creates (a new group, a new
    // competition, an export) replaces a link or pipe planted under its name instead of
    // writing where it points.
    static Bestandsresultaat Maak(const std::string& pad, std::string_view inhoud,
                                  Tijdelijkbestand& uit, bool volgLink = true);
    // Renames the temporary file over its target and flushes the folder.
    Bestandsresultaat Vervang();
    const std::string& Naam() const { return tijdelijk_; }
    const std::string& Doel() const { return doel_; }
    const std::string& Pad() const { return pad_; }
    // Keeps the temporary file: it is no longer removed when this object goes (a journal
    // names it).
    void Behoud() { tijdelijk_.clear(); }

private:
    std::string pad_;       // the name the caller gave
    std::string doel_;      // the file replaced
    std::string tijdelijk_; // empty once replaced or removed
};

// A change of several files of one competition as one change. Every new file is first
// written completely beside its target (a full disk stops the change there, with nothing
// replaced); then a journal beside the main file lists what replaces and what removes what,
// and only then are the files renamed and removed, after which the journal goes. A program
// killed on the way leaves the journal; the next one that opens the competition finishes the
// change (HerstelWijziging), so the competition is the old one or the new one.
class Wijziging {
public:
    // hoofdbestand: the competition's main file, beside which the journal is kept.
    explicit Wijziging(std::string hoofdbestand) : hoofdbestand_(std::move(hoofdbestand)) {}
    // A file with its new content (see Tijdelijkbestand::Maak for volgLink).
    Bestandsresultaat Schrijf(const std::string& pad, std::string_view inhoud,
                              bool volgLink = true);
    // A file that goes (a missing one is no error).
    void Verwijder(const std::string& pad);
    // Carries the change out; on a failure before the journal nothing has changed.
    Bestandsresultaat Voltooi();

private:
    std::string hoofdbestand_;
    std::vector<Tijdelijkbestand> nieuw_;
    std::vector<std::string> weg_;
};

// The journal of an interrupted change of the competition whose main file is pad.
std::string Journaalbestand(const std::string& pad);
// Finishes a change a killed program left half done: every file still waiting under its
// temporary name replaces its target, every file to go is removed, then the journal goes.
// True when there was such a change.
bool HerstelWijziging(const std::string& hoofdbestand);
// Called before every rename and removal a change makes, with the file concerned; for the
// tests that break a change off at each step. Empty by default.
void ZetWijzigingWaarnemer(std::function<void(const std::string&)> waarnemer);

// Removes the temporary files of these files that a save broke off (an interrupted program
// leaves them): those at least minLeeftijd old, so a save still running elsewhere keeps its
// own. Returns the number removed.
int RuimTijdelijkeOp(const std::vector<std::string>& paden, std::chrono::seconds minLeeftijd);

// Called with the path of every file and folder flushed to disk, in order; for the tests that
// check a save is durable. Empty by default.
void ZetSyncWaarnemer(std::function<void(const std::string&)> waarnemer);

} // namespace velkaro
