// Fuzzes the main-file reader: any input is refused or read without a crash.
#include "storage/competitiebestand.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velkaro::Competitie c;
    int32_t open = 0;
    velkaro::LeesHoofdbestandTekst(c, {reinterpret_cast<const char*>(data), size}, &open);
    (void)velkaro::SchrijfHoofdbestandTekst(c);
    return 0;
}
