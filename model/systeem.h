// The real clock and a pseudo-random source for the programs (tests inject their own).
#pragma once

#include "model/gesprek.h"

#include <chrono>
#include <ctime>
#include <random>

namespace velkaro {

class SysteemKlok final : public Klok {
public:
    Datum Nu() const override {
        const std::time_t t = std::time(nullptr);
        const std::tm tm = *std::localtime(&t);
        return Datum{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
    }
};

class MersenneToeval final : public Toeval {
public:
    explicit MersenneToeval(unsigned zaad) : gen_(zaad), vast_(true) {}
    MersenneToeval() : gen_(Klokzaad()) {}
    int Getal(int n) override {
        if (n <= 1) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(gen_);
    }
    void Herstart() override {
        if (!vast_) gen_.seed(Klokzaad());
    }

private:
    static unsigned Klokzaad() {
        return static_cast<unsigned>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    }
    std::mt19937 gen_;
    bool vast_ = false;
};

} // namespace velkaro
