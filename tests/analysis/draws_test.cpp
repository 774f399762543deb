#include "analysis/draws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// Hands out the uniforms it was given, in order.
class ScriptedStream {
  public:
    explicit ScriptedStream(std::vector<double> uniforms) : uniforms_(std::move(uniforms)) {}
    double next() { return uniforms_.at(used_++); }
    std::size_t used() const { return used_; }

  private:
    std::vector<double> uniforms_;
    std::size_t used_ = 0;
};

TEST(DrawPosition, StaysInsideOneToCount) {
    struct Case {
        double uniform;
        std::int32_t count;
        std::int32_t position;
    };
    for (const Case& c : {Case{0.0, 10, 1}, Case{1.0 - 0x1.0p-53, 199, 199}, Case{0.55, 10, 6},
                          Case{0.999999, 1, 1}}) {
        ScriptedStream stream({c.uniform});
        EXPECT_EQ(analysis::drawPosition(stream, c.count), c.position) << c.uniform;
    }
}

TEST(NormalDeviate, PolarMethodUsesTheFirstUniformOfAnAcceptedPair) {
    // u1 = 2 * 0.75 - 1 = 0.5, u2 = 2 * 0.25 - 1 = -0.5: s = 0.5 is accepted.
    ScriptedStream stream({0.75, 0.25});
    const double s = 0.5;
    const double expected = 3.0 + 2.0 * (0.5 * std::sqrt((-2.0 * std::log(s)) / s));
    EXPECT_EQ(analysis::normalDeviate(stream, 3.0, 2.0), expected);
    EXPECT_EQ(stream.used(), 2u);
}

TEST(NormalDeviate, DrawsAgainWhenTheAttemptLiesOutsideTheOpenUnitDisc) {
    // (0, 0) gives u = (-1, -1), s = 2; (0.5, 0.5) gives s = 0, which would divide 0 by 0; then
    // (0.75, 0.5) gives u1 = 0.5, u2 = 0, s = 0.25.
    ScriptedStream stream({0.0, 0.0, 0.5, 0.5, 0.75, 0.5});
    const double expected = 0.5 * std::sqrt((-2.0 * std::log(0.25)) / 0.25);
    EXPECT_EQ(analysis::normalDeviate(stream, 0.0, 1.0), expected);
    EXPECT_EQ(stream.used(), 6u);
}

TEST(NormalDeviate, HasTheMeanAndStandardDeviationAskedFor) {
    // A small xorshift stream is enough to check the moments.
    struct Stream {
        std::uint64_t state = 88172645463325252ULL;
        double next() {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            return static_cast<double>(state >> 11) * 0x1.0p-53;
        }
    } stream;
    constexpr int draws = 200000;
    double sum = 0.0;
    double squares = 0.0;
    for (int i = 0; i < draws; ++i) {
        const double z = analysis::normalDeviate(stream, 5.0, 2.0);
        sum += z;
        squares += (z - 5.0) * (z - 5.0);
    }
    // Standard errors: 2 / sqrt(200000) = 0.0045 for the mean, about 0.0063 for the variance 4.
    EXPECT_NEAR(sum / draws, 5.0, 4 * 0.0045);
    EXPECT_NEAR(squares / draws, 4.0, 4 * 0.0127);
}

} // namespace
