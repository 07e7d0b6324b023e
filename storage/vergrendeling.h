// The advisory locks of a competition: lock files beside the main file that every program
// changing the competition holds from loading it to the end of its save, so two changes at
// once cannot overwrite each other; readers share the read lock.
#pragma once

#include "storage/competitiebestand.h"

#include <chrono>
#include <string>

namespace velkaro {

enum class Slotsoort { Gedeeld, Exclusief };
// Which of the two locks: changing the competition (one program at a time, the desktop program
// for as long as the competition is open in it), or reading it (shared by readers, held
// exclusively by a command-line change until its save is done, so a reader never sees half a
// save; the desktop program's long hold does not keep readers out).
enum class Slotdoel { Wijzigen, Lezen };

class Competitieslot {
public:
    Competitieslot() = default;
    Competitieslot(Competitieslot&& a) noexcept;
    Competitieslot& operator=(Competitieslot&& a) noexcept;
    Competitieslot(const Competitieslot&) = delete;
    Competitieslot& operator=(const Competitieslot&) = delete;
    ~Competitieslot();

    // Takes the lock of the competition whose main file is pad, trying again until wachttijd
    // has passed; then refuses with InGebruik. The lock files stand beside the real main
    // file (links in its path followed), so every name of one competition takes one lock.
    // Anything else under a lock file's name (a folder, a link, a pipe) or a file system
    // without locking refuses with NietVergrendeld. Only where no lock file can be made at all
    // (a read-only folder, where nothing can be saved either) the result is Ok without a lock.
    static Bestandsresultaat Neem(const std::string& pad, Slotsoort soort,
                                  std::chrono::milliseconds wachttijd, Competitieslot& uit,
                                  Slotdoel doel = Slotdoel::Wijzigen);
    // Lets the lock go. The lock file is removed when no other program holds or waits for it:
    // a program that takes a lock checks afterwards that its file still has the name, and
    // starts again on a removed one, so two programs never hold two files of one name.
    void Laat();
    bool Vast() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::string naam_;
};

// How long a program waits for another one's save before it gives up.
constexpr std::chrono::milliseconds kSlotWachttijd{10000};

} // namespace velkaro
