// The debug trace of a pairing search ("vULWACHT"): created empty when the routine starts and
// written line by line straight to the file, so that a search that never ends still leaves
// everything up to its last step on disk.
#pragma once

#include "model/competitie.h"

#include <filesystem>
#include <string_view>

namespace velkaro {

// The trace file of a competition: "vULWACHT" in the folder of its competition file (the
// current folder for a competition without a file).
std::filesystem::path SpoorPad(const Competitie& c);

class Spoor {
public:
    // Creates the file empty as a new plain file of its own: a link, pipe or other entry
    // planted under the name is taken away, never followed or waited on. A file that cannot
    // be created leaves the trace silent.
    explicit Spoor(std::filesystem::path pad);
    ~Spoor();
    Spoor(const Spoor&) = delete;
    Spoor& operator=(const Spoor&) = delete;
    void Schrijf(std::string_view regel) const;
    const std::filesystem::path& Pad() const { return pad_; }

private:
    std::filesystem::path pad_;
    int fd_ = -1;
};

} // namespace velkaro
