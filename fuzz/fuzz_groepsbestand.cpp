// Fuzzes the group-file reader in both layouts, and writing what was read.
#include "storage/competitiebestand.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int32_t versie = (data[0] & 1) ? 702 : 701;
    velkaro::Competitie c;
    velkaro::LeesGroepTekst(c, {reinterpret_cast<const char*>(data) + 1, size - 1}, versie);
    (void)velkaro::SchrijfGroepTekst(c);
    return 0;
}
