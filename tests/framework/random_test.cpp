#include "framework/random.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class FixedSource final : public framework::UniformSource {
  public:
    explicit FixedSource(double value) : value_(value) {}
    double next() override { return value_; }

  private:
    double value_;
};

class RndTest : public testing::Test {
  protected:
    void TearDown() override { framework::seedRnd(12345); }
};

TEST_F(RndTest, StaysInHalfOpenUnitInterval) {
    framework::seedRnd(1);
    double sum = 0;
    constexpr int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const double u = framework::Rnd();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += u;
    }
    // The mean of uniform draws: 0.5 with a standard error of about 0.0009.
    EXPECT_NEAR(sum / draws, 0.5, 0.005);
}

TEST_F(RndTest, SameSeedSameDraws) {
    framework::seedRnd(42);
    const double first = framework::Rnd();
    const double second = framework::Rnd();
    framework::seedRnd(42);
    EXPECT_EQ(framework::Rnd(), first);
    EXPECT_EQ(framework::Rnd(), second);
    EXPECT_NE(first, second);
}

TEST_F(RndTest, ALoopsStreamContinuesTheProcessStream) {
    framework::seedRnd(9);
    std::vector<double> expected(6);
    for (double& u : expected) {
        u = framework::Rnd();
    }
    framework::seedRnd(9);
    std::vector<double> drawn;
    framework::withRandomStream([&](auto& stream) {
        for (int i = 0; i < 4; ++i) {
            drawn.push_back(stream.next());
        }
    });
    drawn.push_back(framework::Rnd());
    drawn.push_back(framework::Rnd());
    EXPECT_EQ(drawn, expected);
}

TEST_F(RndTest, ALoopsStreamDrawsFromAReplacedSource) {
    auto previous = framework::replaceRnd(std::make_unique<FixedSource>(0.25));
    double drawn = 0.0;
    framework::withRandomStream([&](auto& stream) { drawn = stream.next(); });
    EXPECT_EQ(drawn, 0.25);
    framework::replaceRnd(std::move(previous));
}

} // namespace
