// The expected score of a rating difference and its inverse, shared by the rating systems,
// the random results of the match list and the rating Swiss pairing.
#pragma once

namespace velkaro {

// Number of table entries: differences 0 to 935.
constexpr int kVerwachtingGrootte = 936;

// The table value for a rating difference: the expected score above one half. Negative
// differences count by their size and differences above 935 as 935.
double T(int d);

// The expected score of the side whose rating exceeds the other's by d (negative d: falls short).
double Verwachting(int d);

// The rating difference that yields the score fraction p: the smallest d >= 0 with
// T(d) >= |p - 0.5|, negated when p < 0.5. Fractions outside 0..1 give -935 or 935.
int Verschil(double p);

} // namespace velkaro
