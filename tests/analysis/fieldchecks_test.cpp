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
    // Each field is judged on what CDbl reads from its text.
    const Case wholeNumbers[] = {
        {"3", true, ""},
        {"3.0", true, ""},
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

    analysis::FieldChecks stdev;
    stdev.above("StDev", "-0.5", 0.0);
    EXPECT_EQ(stdev.notice(), "\"StDev\" needs a number above 0.");
}

TEST(FieldChecks, CountsBelowTheFloorRunTheFloorAndAboveTheCeilingAreRefused) {
    struct Case {
        std::string text;
        std::int32_t count;
        bool passes;
    };
    for (const Case& c : {Case{"", 100, true}, Case{"99.9", 100, true}, Case{"5000", 5000, true},
                          Case{"1000000", 1000000, true}, Case{"1000001", 1000001, false},
                          Case{"1e40", 2147483647, false}}) {
        analysis::FieldChecks checks;
        EXPECT_EQ(checks.count(c.text, "simulations"), c.count) << c.text;
        EXPECT_EQ(checks.passed(), c.passes) << c.text;
        if (!c.passes) {
            EXPECT_EQ(checks.notice(), "Please enter no more than 1000000 simulations.");
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
