#include "analysis/counts.h"
#include "analysis/fieldchecks.h"
#include "analysis/report.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FieldChecks, TheFirstFieldThatFailsNamesItselfAndWhatItNeeds) {
    struct Case {
        std::string text;
        bool passes;
        std::string notice;
    };
    // Each field is judged on its whole text.
    const Case wholeNumbers[] = {
        {"3", true, ""},
        {"3.0", true, ""},
        {" 3 ", true, ""},
        {"3abc", false, "\"N-Size\" needs a whole number of at least 1."},
        {"", false, "\"N-Size\" needs a whole number of at least 1."},
        {"2.5", false, "\"N-Size\" needs a whole number of at least 1."},
        {"-1", false, "\"N-Size\" needs a whole number of at least 1."},
        {"1e12", false, "\"N-Size\" needs a whole number of at least 1."},
    };
    for (const Case& c : wholeNumbers) {
        analysis::FieldChecks checks;
        const std::int32_t value = checks.wholeNumber("N-Size", c.text, 1);
        EXPECT_EQ(checks.passed(), c.passes) << c.text;
        if (c.passes) {
            EXPECT_EQ(value, 3);
        } else {
            EXPECT_EQ(checks.notice(), c.notice);
        }
    }

    analysis::FieldChecks checks;
    checks.number("Intercept", "1e400");
    checks.above("StDev", "0", 0.0);
    EXPECT_FALSE(checks.passed());
    EXPECT_EQ(checks.notice(), "\"Intercept\" needs a number that is not too large.");

    analysis::FieldChecks alpha;
    EXPECT_EQ(alpha.between("Alpha", ".05", 0.0, 1.0), 0.05);
    EXPECT_TRUE(alpha.passed());
    alpha.between("Alpha", "1", 0.0, 1.0);
    EXPECT_EQ(alpha.notice(), "\"Alpha\" needs a number above 0 and below 1.");

    analysis::FieldChecks range;
    range.wholeNumber("Lags", "0", 1, 198);
    EXPECT_EQ(range.notice(), "\"Lags\" needs a whole number from 1 to 198.");

    analysis::FieldChecks stdev;
    stdev.above("StDev", "-0.5", 0.0);
    EXPECT_EQ(stdev.notice(), "\"StDev\" needs a number above 0.");
}

TEST(FieldChecks, CountsBelowTheFloorRunTheFloorAndAboveTheCeilingAreRefused) {
    struct Case {
        std::string text;
        std::int32_t count;
        bool passes;
        std::string notice;
    };
    const std::string tooMany = "Please enter no more than 1000000 simulations.";
    for (const Case& c :
         {Case{"", 100, true, ""}, Case{"99.9", 100, true, ""}, Case{"-5", 100, true, ""},
          Case{"5000", 5000, true, ""}, Case{"1000000", 1000000, true, ""},
          Case{"1000001", 1000001, false, tooMany}, Case{"1e40", 2147483647, false, tooMany},
          Case{"5000x", 100, false, "\"Simulations\" needs a number."}}) {
        analysis::FieldChecks checks;
        EXPECT_EQ(checks.count("Simulations", c.text, "simulations"), c.count) << c.text;
        EXPECT_EQ(checks.passed(), c.passes) << c.text;
        if (!c.passes) {
            EXPECT_EQ(checks.notice(), c.notice);
        }
    }
}

TEST(ReportBuilder, EndsEveryLineWithTheLineEndItWasGiven) {
    analysis::ReportBuilder report("\r\n");
    report.rule(3).line("").line("N = 4");
    EXPECT_EQ(report.text(), "___\r\n\r\nN = 4\r\n");
    EXPECT_EQ(analysis::reportBlock("\n", {"Title"}, {"body"}),
              "_________________________\n\nTitle\n_________________________\n\nbody\n"
              "____________________________________\n\n");
}

} // namespace
