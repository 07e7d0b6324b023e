#include "ui/draadgesprek.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <exception>

namespace velkaro::ui {

template <class F> void DraadGesprek::OpGuiDraad(F&& f) {
    // On the GUI thread itself a blocking queued call would wait for itself.
    if (QThread::currentThread() == gui_->thread()) {
        f();
        return;
    }
    std::exception_ptr fout;
    QMetaObject::invokeMethod(
        gui_,
        [&] {
            try {
                f();
            } catch (...) {
                fout = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (fout) std::rethrow_exception(fout);
}

Antwoord DraadGesprek::Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                             Pictogram pictogram) {
    Antwoord a = Antwoord::Annuleren;
    OpGuiDraad([&] { a = binnen_.Vraag(tekst, titel, knoppen, pictogram); });
    return a;
}

void DraadGesprek::Melding(const std::string& tekst, const std::string& titel,
                           Pictogram pictogram) {
    OpGuiDraad([&] { binnen_.Melding(tekst, titel, pictogram); });
}

std::optional<std::string> DraadGesprek::Invoer(const std::string& titel, const std::string& prompt,
                                                const std::string& standaard) {
    std::optional<std::string> a;
    OpGuiDraad([&] { a = binnen_.Invoer(titel, prompt, standaard); });
    return a;
}

std::optional<std::string> DraadGesprek::KiesBestand(Bestandskeuze& keuze) {
    std::optional<std::string> a;
    OpGuiDraad([&] { a = binnen_.KiesBestand(keuze); });
    return a;
}

} // namespace velkaro::ui
