#include "cli/argumenten.h"

#include "lang/teksten.h"
#include "model/tekst.h"

namespace velkaro::cli {

using lang::T;
using lang::Tekst;

Argumenten::Argumenten(const std::vector<std::string>& args,
                       const std::set<std::string>& waardeOpties,
                       const std::set<std::string>& vlagOpties) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // Short options ("-o") only where a command declares them, so "-3" stays a positional.
        const bool kort =
            a.size() == 2 && a[0] == '-' && (waardeOpties.count(a) || vlagOpties.count(a));
        if ((a.size() > 2 && a.rfind("--", 0) == 0) || kort) {
            std::string naam = a, waarde;
            const auto is = a.find('=');
            const bool metIs = is != std::string::npos;
            if (metIs) {
                naam = a.substr(0, is);
                waarde = a.substr(is + 1);
            }
            if (naam == "--help" || vlagOpties.count(naam)) {
                if (metIs) throw Gebruiksfout(naam + ": " + Tekst(T::OptieZonderWaarde));
                vlaggen_.insert(naam);
            } else if (waardeOpties.count(naam)) {
                if (!metIs) {
                    if (i + 1 >= args.size())
                        throw Gebruiksfout(naam + ": " + Tekst(T::OptieMetWaarde));
                    waarde = args[++i];
                }
                // The last of two would win without a word: the line is ambiguous.
                if (waarden_.count(naam)) throw Gebruiksfout(naam + ": " + Tekst(T::OptieTweeKeer));
                waarden_[naam] = waarde;
            } else {
                throw Gebruiksfout(Tekst(T::OnbekendeOptie) + " " + naam);
            }
        } else {
            posities_.push_back(a);
        }
    }
}

std::string Argumenten::Positie(std::size_t i, const char* naam) const {
    if (i >= posities_.size())
        throw Gebruiksfout(std::string(naam) + " " + Tekst(T::OntbrekendArgument));
    return posities_[i];
}

std::optional<std::string> Argumenten::Waarde(const std::string& naam) const {
    auto it = waarden_.find(naam);
    if (it == waarden_.end()) return std::nullopt;
    return it->second;
}

std::optional<long long> Argumenten::Getal(const std::string& naam, long long min,
                                           long long max) const {
    auto w = Waarde(naam);
    if (!w) return std::nullopt;
    return GetalArgument(*w, naam.c_str(), min, max);
}

void Argumenten::Aantal(std::size_t n) const {
    if (posities_.size() < n) throw Gebruiksfout(Tekst(T::TeWeinigArgumenten));
    if (posities_.size() > n)
        throw Gebruiksfout(Tekst(T::OnverwachtArgument) + " '" + posities_[n] + "'");
}

long long GetalArgument(const std::string& tekst, const char* naam, long long min, long long max) {
    const auto g = LeesGetal(tekst);
    if (!g || *g < min || *g > max)
        throw Gebruiksfout(std::string(naam) + ": " + Tekst(T::VerwachtGeheelGetal) + " " +
                           std::to_string(min) + " " + Tekst(T::TotEnMet) + " " +
                           std::to_string(max) + ", " + Tekst(T::Gekregen) + " '" + tekst + "'");
    return *g;
}

std::vector<int32_t> GetallenArgument(const std::string& lijst, const char* naam, long long max) {
    std::vector<int32_t> r;
    std::size_t begin = 0;
    while (begin <= lijst.size()) {
        std::size_t eind = lijst.find(',', begin);
        if (eind == std::string::npos) eind = lijst.size();
        const std::string deel = Trim(lijst.substr(begin, eind - begin));
        if (!deel.empty()) r.push_back(static_cast<int32_t>(GetalArgument(deel, naam, 1, max)));
        begin = eind + 1;
    }
    return r;
}

} // namespace velkaro::cli
