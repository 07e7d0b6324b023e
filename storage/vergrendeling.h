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
    // has passed; then refuses with InGebruik. Where no lock file can be made (a read-only
    // folder, where nothing can be saved either) the result is Ok without a lock held.
    static Bestandsresultaat Neem(const std::string& pad, Slotsoort soort,
                                  std::chrono::milliseconds wachttijd, Competitieslot& uit,
                                  Slotdoel doel = Slotdoel::Wijzigen);
    // Lets the lock go (the lock file stays: removing it would let two programs lock two
    // different files of the same name).
    void Laat();
    bool Vast() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// How long a program waits for another one's save before it gives up.
constexpr std::chrono::milliseconds kSlotWachttijd{10000};

} // namespace velkaro
