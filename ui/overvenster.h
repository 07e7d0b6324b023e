// The about box: the program's name, its version and a comment line.
#pragma once

#include "ui/dialoog.h"

class QLabel;
class QPushButton;

namespace velkaro::ui {

class OverVenster final : public Dialoog {
    Q_OBJECT
public:
    OverVenster(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

private:
    QLabel *naam_, *versie_, *commentaar_;
    QPushButton* ok_;
};

} // namespace velkaro::ui
