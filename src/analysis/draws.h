#pragma once

#include <cmath>
#include <cstdint>

// The draws every analysis makes from its random stream (framework::withRandomStream). They are
// templates over the stream so that a loop over the generator inlines it whole.
namespace analysis {

// The bootstrap position int(u * count + 1), kept inside 1..count. The product lies in
// [1, count + 1), so the truncation is the framework's double-to-int32 conversion.
template <typename Stream> std::int32_t drawPosition(Stream& stream, std::int32_t count) {
    const auto position = static_cast<std::int32_t>(stream.next() * count + 1.0);
    return position > count ? count : position;
}

// One normal deviate by the polar method: u1 and u2 uniform in [-1, 1), drawn in that order
// until 0 < s = u1^2 + u2^2 < 1; only u1's deviate is used and nothing is carried over. An
// attempt with s = 0 would divide 0 by 0, so it is drawn again like one with s >= 1.
// Always inlined: called out of line, it would load and store the generator's state at every
// call instead of keeping it in registers for the whole loop.
template <typename Stream>
[[gnu::always_inline]] inline double normalDeviate(Stream& stream, double mean, double sd) {
    double u1 = 0.0;
    double s = 0.0;
    do {
        u1 = 2.0 * stream.next() - 1.0;
        const double u2 = 2.0 * stream.next() - 1.0;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0 || s == 0.0);
    return mean + sd * (u1 * std::sqrt((-2.0 * std::log(s)) / s));
}

} // namespace analysis
