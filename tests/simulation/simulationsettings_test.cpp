#include "simulation/simulationsettings.h"

#include "analysis/modelfields.h"
#include "support/gridfixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using simulation::SimulationFields;

SimulationFields defaults() {
    SimulationFields fields;
    fields.n1 = "6";
    fields.n2 = "4";
    return fields;
}

TEST(SimulationSettings, ReadsTheFieldsOfAModelThatFitsTheData) {
    SimulationFields fields = defaults();
    fields.intercept2 = "2.5";
    fields.slope1 = "-0.1";
    fields.autocorr1 = "0.4";
    fields.lag2 = "2";
    fields.errorMean = "0.5";
    fields.errorSd = "1.5";
    fields.simulations = "";
    simulation::SimulationSettings choices;
    choices.statistic = simulation::Statistic::Spearman;
    choices.allSlopes = true;
    const auto reading = simulation::readSimulationSettings(fields, choices, 10);
    ASSERT_FALSE(reading.refusal) << *reading.refusal;
    const simulation::SimulationModel& model = reading.settings.model;
    EXPECT_EQ(model.n1, 6);
    EXPECT_EQ(model.n2, 4);
    EXPECT_EQ(model.intercept2, 2.5);
    EXPECT_EQ(model.slope1, -0.1);
    EXPECT_EQ(model.autocorr1, 0.4);
    EXPECT_EQ(model.lag1, 1);
    EXPECT_EQ(model.lag2, 2);
    EXPECT_EQ(model.errorMean, 0.5);
    EXPECT_EQ(model.errorSd, 1.5);
    EXPECT_EQ(reading.settings.simulations, 100); // an empty field runs 100
    EXPECT_EQ(reading.settings.statistic, simulation::Statistic::Spearman);
    EXPECT_TRUE(reading.settings.allSlopes);
}

TEST(SimulationSettings, RefusesWhatItCannotSimulateNamingTheField) {
    struct Case {
        std::string SimulationFields::*field;
        std::string text;
        std::string notice;
    };
    const Case cases[] = {
        {&SimulationFields::n1, "0", "\"Phase-A N-Size\" needs a whole number of at least 1."},
        {&SimulationFields::n2, "2.5", "\"Phase-B N-Size\" needs a whole number of at least 1."},
        {&SimulationFields::n1, "", "\"Phase-A N-Size\" needs a whole number of at least 1."},
        {&SimulationFields::lag1, "-1", "\"Phase-A Lag\" needs a whole number of at least 0."},
        {&SimulationFields::lag2, "1.5", "\"Phase-B Lag\" needs a whole number of at least 0."},
        {&SimulationFields::slope2, "1e999",
         "\"Phase-B Slope\" needs a number that is not too large."},
        {&SimulationFields::autocorr1, "-1e400",
         "\"Phase-A Autocorr\" needs a number that is not too large."},
        {&SimulationFields::errorSd, "0", "\"Error StDev\" needs a number above 0."},
        {&SimulationFields::errorSd, "-1", "\"Error StDev\" needs a number above 0."},
        {&SimulationFields::simulations, "1000001",
         "Please enter no more than 1000000 simulations."},
        {&SimulationFields::n1, "7",
         "The simulated series would have 11 points, but the data have 10 complete pairs. Please "
         "make the N-sizes add up to 10."},
    };
    for (const Case& c : cases) {
        SimulationFields fields = defaults();
        fields.*c.field = c.text;
        const auto reading = simulation::readSimulationSettings(fields, {}, 10);
        ASSERT_TRUE(reading.refusal) << c.text;
        EXPECT_EQ(*reading.refusal, c.notice);
    }
}

class CompletePairs : public GridFixture {};

TEST_F(CompletePairs, CountsTheRowsWithBothCellsFilledWithoutLoadingThem) {
    fill({{"1", "0"}, {"2", ""}, {"", "1"}, {"4", "1"}, {" ", "1"}, {"6", "2"}});
    Module1::n = 77;
    EXPECT_EQ(analysis::completePairs(Module1::grid()), 3);
    EXPECT_EQ(Module1::n, 77);
}

TEST(EstimateText, ShowsThreeDecimalsAndZeroForWhatIsNotANumber) {
    EXPECT_EQ(analysis::estimateText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(analysis::estimateText(-0.0), "0");
    EXPECT_EQ(analysis::estimateText(-0.25), "-0.25");
    EXPECT_EQ(analysis::estimateText(-0.7641723), "-0.764");
    EXPECT_EQ(analysis::estimateText(0.7924523), "0.792");
    EXPECT_EQ(analysis::estimateText(-1.1136), "-1.114");
    EXPECT_EQ(analysis::estimateText(0.0004), "0");
}

} // namespace
