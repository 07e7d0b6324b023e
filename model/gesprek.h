// The small interface through which the logic talks to its user: questions with the button
// sets the program uses, messages, input boxes and file choices. The desktop program answers
// with real dialogs, the CLI from its options, tests from a script.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// JaNeeStandaardNee: Yes/No where Enter answers No, for a question whose Yes cannot be undone
// lightly.
enum class Knoppen { Ok, OkAnnuleren, JaNee, JaNeeAnnuleren, JaNeeStandaardNee };
enum class Antwoord { Ok, Annuleren, Ja, Nee };
enum class Pictogram { Geen, Informatie, Waarschuwing, Fout, Vraag };

struct Bestandskeuze {
    bool Opslaan = false; // save dialog rather than open dialog
    std::string Titel;
    std::string Map;                  // initial folder
    std::string Naam;                 // proposed name
    std::vector<std::string> Filters; // "Description|*.ext" entries
    int FilterIndex = 1;              // 1-based
    bool Mapkeuze = false;            // a folder rather than a file
};

class Gesprek {
public:
    virtual ~Gesprek() = default;
    virtual Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                           Pictogram pictogram = Pictogram::Vraag) = 0;
    virtual void Melding(const std::string& tekst, const std::string& titel,
                         Pictogram pictogram = Pictogram::Informatie) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> Invoer(const std::string& titel, const std::string& prompt,
                                              const std::string& standaard) = 0;
    // A file dialog; nullopt when cancelled. The chosen filter index is written back.
    virtual std::optional<std::string> KiesBestand(Bestandskeuze& keuze) = 0;
};

// Progress of long computations. The receiver decides how often it redraws; the computation
// never waits for it.
class Voortgang {
public:
    virtual ~Voortgang() = default;
    virtual void Status(const std::string& tekst) = 0;
    virtual void Regel(const std::string& tekst) = 0;
    virtual void Teller(long long waarde) = 0;
    // Rewrites line n (1-based) of the lines shown so far, as a search does with its pair
    // lines; the text is only valid during the call.
    virtual void ZetRegel(int n, std::string_view tekst) {
        (void)n;
        (void)tekst;
    }
    // True once the user asked to stop. A search asks where it reports its counter, so the
    // answer must be cheap; it then gives up as fast as it can unwind.
    virtual bool Stoppen() const { return false; }
};

// A receiver that shows nothing.
class GeenVoortgang final : public Voortgang {
public:
    void Status(const std::string&) override {}
    void Regel(const std::string&) override {}
    void Teller(long long) override {}
};

// Today's date and the time, injected so that output is reproducible.
struct Datum {
    int Jaar = 2000, Maand = 1, Dag = 1, Uur = 0, Minuut = 0;
};

class Klok {
public:
    virtual ~Klok() = default;
    virtual Datum Nu() const = 0;
};

// A random source, injected for the same reason: Getal(n) is uniform in 0 .. n-1.
class Toeval {
public:
    virtual ~Toeval() = default;
    virtual int Getal(int n) = 0;
    // Reseeds from the clock where the program does so; a seeded source may ignore it.
    virtual void Herstart() {}
};

} // namespace velkaro
