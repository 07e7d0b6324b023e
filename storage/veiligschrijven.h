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
    // exclusively under a unique name, never through a link) and flushes it to disk.
    static Bestandsresultaat Maak(const std::string& pad, std::string_view inhoud,
                                  Tijdelijkbestand& uit);
    // Renames the temporary file over its target and flushes the folder.
    Bestandsresultaat Vervang();
    const std::string& Naam() const { return tijdelijk_; }

private:
    std::string pad_;       // the name the caller gave
    std::string doel_;      // the file replaced
    std::string tijdelijk_; // empty once replaced or removed
};

// Removes the temporary files of these files that a save broke off (an interrupted program
// leaves them): those at least minLeeftijd old, so a save still running elsewhere keeps its
// own. Returns the number removed.
int RuimTijdelijkeOp(const std::vector<std::string>& paden, std::chrono::seconds minLeeftijd);

// Called with the path of every file and folder flushed to disk, in order; for the tests that
// check a save is durable. Empty by default.
void ZetSyncWaarnemer(std::function<void(const std::string&)> waarnemer);

} // namespace velkaro
