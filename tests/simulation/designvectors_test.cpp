#include "simulation/designvectors.h"

#include "data/module1.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct DesignCase {
    std::int32_t n1;
    std::int32_t n2;
    // prefabvector(1..6): s1..s5, then the level vector.
    std::array<std::string, 6> texts;
};

TEST(DesignVectors, TextsOfTheSmallModels) {
    const DesignCase cases[] = {
        {3,
         2,
         {"|1|2|3|3|2|", "|0|0|0|1|2|", "|1|2|3|4|4|", "|1|2|3|4|5|", "|1|2|3|1|2|",
          "|0|0|0|1|1|"}},
        {2,
         5,
         {"|1|2|2|1|0|-1|-2|", "|0|0|1|2|3|4|5|", "|1|2|3|3|3|3|3|", "|1|2|3|4|5|6|7|",
          "|1|2|1|2|3|4|5|", "|0|0|1|1|1|1|1|"}},
        {3, 0, {"|1|2|3|", "|0|0|0|", "|1|2|3|", "|1|2|3|", "|1|2|3|", "|0|0|0|"}},
        {0, 3, {"|0|-1|-2|", "|1|2|3|", "|1|1|1|", "|1|2|3|", "|1|2|3|", "|1|1|1|"}},
    };
    for (const DesignCase& c : cases) {
        Module1::n1 = c.n1;
        Module1::n2 = c.n2;
        Module1::loadsimulationvectors();
        for (std::size_t k = 0; k < c.texts.size(); ++k) {
            EXPECT_EQ(Module1::prefabvector[k + 1], c.texts[k]) << c.n1 << "+" << c.n2 << " #" << k;
        }
    }
}

TEST(DesignVectors, AShorterModelLeavesTheLongerOnesValuesAboveIt) {
    Module1::n1 = 4;
    Module1::n2 = 4;
    Module1::loadsimulationvectors();
    Module1::n1 = 2;
    Module1::n2 = 1;
    Module1::loadsimulationvectors();
    EXPECT_EQ(Module1::prefabvector[6], "|0|0|1|");
    EXPECT_EQ(Module1::s4vector[3], 3);
    EXPECT_EQ(Module1::s4vector[8], 8);
    EXPECT_EQ(Module1::levelvector[8], 1);
}

TEST(DesignVectors, PhaseColumnTextUsesTheTextOfEachValue) {
    const double phases[] = {0.0, 1.0, 2.5, -3.0};
    EXPECT_EQ(simulation::vectorText(phases), "|0|1|2.5|-3|");
}

} // namespace
