// Texts between the core (UTF-8 std::string, language tables) and Qt (QString).
#pragma once

#include "lang/teksten.h"

#include <QString>

#include <string>

namespace velkaro::ui {

inline QString Q(lang::T id) {
    return QString::fromStdString(lang::Tekst(id));
}
inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

} // namespace velkaro::ui
