// Names that depend on a value: the name of a calculation system.
#pragma once

#include <string>

namespace velkaro::lang {

// The name of a calculation system (Rekensysteem) as lists and the status bar show it.
std::string SysteemNaam(int rekensysteem);

} // namespace velkaro::lang
