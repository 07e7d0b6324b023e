#include "ui/omgeving.h"

#include "entry/vensterplaatsing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velkaro::ui {

void HerstelPlaatsing(QWidget* venster, const Ini& ini, const std::string& naam) {
    const auto p = LeesPlaatsing(ini, naam);
    if (!p) return;
    std::vector<Rechthoek> schermen;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect r = s->availableGeometry();
        schermen.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    const Rechthoek r = OpScherm(p->Vak, schermen);
    venster->resize(r.Breedte, r.Hoogte);
    venster->move(r.Links, r.Boven);
    if (p->Toestand == Venstertoestand::Gemaximaliseerd)
        venster->setWindowState(venster->windowState() | Qt::WindowMaximized);
}

void BewaarPlaatsing(const QWidget* venster, Ini& ini, const std::string& naam) {
    Plaatsing p;
    // The normal placement is kept under a maximised window, so it comes back on restoring.
    const QRect r = venster->isMaximized() ? venster->normalGeometry() : venster->geometry();
    const QPoint hoek = venster->isMaximized() ? r.topLeft() : venster->pos();
    p.Vak = {hoek.x(), hoek.y(), r.width(), r.height()};
    p.Toestand = venster->isMaximized()   ? Venstertoestand::Gemaximaliseerd
                 : venster->isMinimized() ? Venstertoestand::Geminimaliseerd
                                          : Venstertoestand::Normaal;
    SchrijfPlaatsing(ini, naam, p);
}

} // namespace velkaro::ui
