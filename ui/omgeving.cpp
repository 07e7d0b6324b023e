#include "ui/omgeving.h"

#include "entry/vensterplaatsing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velkaro::ui {

void HerstelPlaatsing(QWidget* venster, const Ini& ini, const std::string& naam) {
    std::vector<Rechthoek> schermen;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect r = s->availableGeometry();
        schermen.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    const auto p = LeesPlaatsing(ini, naam);
    if (!p) {
        // The first time: over the window it belongs to, never where the platform happens to
        // put a new window (a screen corner, with the title bar off the screen).
        const QWidget* ouder =
            venster->parentWidget() ? venster->parentWidget()->window() : nullptr;
        if (!ouder || !ouder->isVisible()) return;
        const QRect o = ouder->frameGeometry();
        // The new window's frame is not known before it is shown: take the main window's.
        const QSize rand = o.size() - ouder->geometry().size();
        const Rechthoek r =
            Gecentreerd(venster->width() + rand.width(), venster->height() + rand.height(),
                        {o.x(), o.y(), o.width(), o.height()}, schermen);
        venster->move(r.Links, r.Boven);
        return;
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
