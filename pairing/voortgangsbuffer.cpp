#include "pairing/voortgangsbuffer.h"

namespace velkaro {

void Voortgangsbuffer::Markeer(std::size_t i) {
    if (gewijzigd_[i]) return;
    gewijzigd_[i] = 1;
    lijst_.push_back(static_cast<int>(i));
}

void Voortgangsbuffer::Status(const std::string& tekst) {
    std::lock_guard slot(m_);
    status_ = tekst;
    statusGewijzigd_ = true;
}

void Voortgangsbuffer::Regel(const std::string& tekst) {
    std::lock_guard slot(m_);
    regels_.push_back(tekst);
    gewijzigd_.push_back(0);
    Markeer(regels_.size() - 1);
}

void Voortgangsbuffer::Teller(long long waarde) {
    teller_.store(waarde, std::memory_order_relaxed);
}

void Voortgangsbuffer::ZetRegel(int n, std::string_view tekst) {
    if (n < 1) return;
    const auto i = static_cast<std::size_t>(n - 1);
    std::lock_guard slot(m_);
    if (i >= regels_.size()) {
        regels_.resize(i + 1);
        gewijzigd_.resize(i + 1, 0);
    }
    regels_[i].assign(tekst); // keeps its capacity: no allocation once the line was this long
    Markeer(i);
}

void Voortgangsbuffer::Wis() {
    std::lock_guard slot(m_);
    regels_.clear();
    gewijzigd_.clear();
    lijst_.clear();
    status_.clear();
    statusGewijzigd_ = true;
    teller_.store(0, std::memory_order_relaxed);
    stop_.store(false, std::memory_order_relaxed);
}

Voortgangsbuffer::Wijziging Voortgangsbuffer::Werkbij(Beeld& beeld) {
    Wijziging w;
    const long long teller = teller_.load(std::memory_order_relaxed);
    w.Teller = teller != beeld.Teller;
    beeld.Teller = teller;
    std::lock_guard slot(m_);
    if (beeld.Regels.size() != regels_.size()) beeld.Regels.resize(regels_.size());
    for (int i : lijst_) {
        const auto k = static_cast<std::size_t>(i);
        gewijzigd_[k] = 0;
        if (beeld.Regels[k] == regels_[k]) continue;
        beeld.Regels[k] = regels_[k];
        w.Regels.push_back(i);
    }
    lijst_.clear();
    if (statusGewijzigd_ && beeld.Status != status_) {
        beeld.Status = status_;
        w.Status = true;
    }
    statusGewijzigd_ = false;
    return w;
}

} // namespace velkaro
