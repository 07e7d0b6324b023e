// Progress from a search on a worker thread to the screen: the search stores only the latest
// values and never waits; the screen fetches what changed. It also carries the stop request.
#pragma once

#include "model/gesprek.h"

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

class Voortgangsbuffer final : public Voortgang {
public:
    // What the screen shows; Werkbij keeps it up to date.
    struct Beeld {
        std::vector<std::string> Regels;
        std::string Status;
        long long Teller = 0;
    };

    // --- the search's side (any thread) ---
    void Status(const std::string& tekst) override;
    void Regel(const std::string& tekst) override;
    void Teller(long long waarde) override;
    void ZetRegel(int n, std::string_view tekst) override;
    bool Stoppen() const override { return stop_.load(std::memory_order_relaxed); }

    // --- the screen's side ---
    void VraagStop() { stop_.store(true, std::memory_order_relaxed); }
    // Empties everything and withdraws the stop request, before a new computation starts.
    void Wis();
    // Brings `beeld` up to date and returns the numbers (0-based) of the lines that changed;
    // `teller` and `status` say whether those changed.
    struct Wijziging {
        std::vector<int> Regels;
        bool Teller = false;
        bool Status = false;
        bool Iets() const { return !Regels.empty() || Teller || Status; }
    };
    Wijziging Werkbij(Beeld& beeld);

private:
    void Markeer(std::size_t i);

    mutable std::mutex m_;
    std::vector<std::string> regels_;
    std::vector<char> gewijzigd_; // per line: changed since the screen last fetched it
    std::vector<int> lijst_;      // the changed lines, each once
    std::string status_;
    bool statusGewijzigd_ = false;
    std::atomic<long long> teller_{0};
    std::atomic<bool> stop_{false};
};

} // namespace velkaro
