// Where each window stands: its placement in the settings file (section "WindowsRestorer",
// keys form name + "_WindowState", "_Width", "_Height", "_Top", "_Left"), and pulling a
// placement that lies off the screens (a monitor that was unplugged) back onto one.
#pragma once

#include "entry/ini.h"

#include <optional>
#include <string>
#include <vector>

namespace velkaro {

struct Rechthoek {
    int Links = 0, Boven = 0, Breedte = 0, Hoogte = 0;
    bool operator==(const Rechthoek&) const = default;
};

enum class Venstertoestand { Normaal = 0, Geminimaliseerd = 1, Gemaximaliseerd = 2 };

struct Plaatsing {
    Venstertoestand Toestand = Venstertoestand::Normaal;
    Rechthoek Vak;
    bool operator==(const Plaatsing&) const = default;
};

// The stored placement of a window; nothing when its size or position is missing.
std::optional<Plaatsing> LeesPlaatsing(const Ini& ini, const std::string& venster);
void SchrijfPlaatsing(Ini& ini, const std::string& venster, const Plaatsing& p);

// A window rectangle moved (and shrunk when it is larger) so that it lies wholly on the
// screen it overlaps most, or on the first screen when it overlaps none. A rectangle that
// lies wholly on a screen is returned as it is.
Rechthoek OpScherm(const Rechthoek& venster, const std::vector<Rechthoek>& schermen);
// Where a window of this size without a remembered place opens: centred on the window it
// belongs to (`over`, the main window or the dialog it is opened from), and then onto a
// screen as OpScherm puts it.
Rechthoek Gecentreerd(int breedte, int hoogte, const Rechthoek& over,
                      const std::vector<Rechthoek>& schermen);

} // namespace velkaro
