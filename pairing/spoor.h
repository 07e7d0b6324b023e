// The debug trace of a pairing search ("vULWACHT"): created empty when the routine starts,
// and opened for appending and closed again around every line, so that a search that never
// ends still leaves everything up to its last step on disk.
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
    // Creates the file empty; a file that cannot be written leaves the trace silent.
    explicit Spoor(std::filesystem::path pad);
    void Schrijf(std::string_view regel) const;
    const std::filesystem::path& Pad() const { return pad_; }

private:
    std::filesystem::path pad_;
    bool bruikbaar_ = false;
};

} // namespace velkaro
