#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace Module1 {

// The model of one simulated series: intercept + slope * t plus a lag-1 autoregressive error
// whose raw errors and shocks are normal deviates of the given mean and standard deviation.
struct SeriesModel {
    double intercept = 0.0;
    double slope = 0.0;
    double autocorrelation = 0.0;
    double mean = 0.0;
    double standardDeviation = 1.0;
};

// What the cross-lag dialog held when OK was pressed, read and checked.
struct CrossSettings {
    std::int32_t length = 0; // the points of each simulated series
    SeriesModel dv1;
    SeriesModel dv2;
    std::int32_t simulations = 1000;
    std::int32_t lags = 5;      // k: the lags -k..+k
    std::string lagsText = "5"; // the lag field as typed, blanks aside, which the report repeats
    double alpha = 0.05;
    bool bonferroni = true;
    bool spearman = false;
};

// The dialog's field texts and check boxes as OK found them.
struct CrossFields {
    std::string nSize1 = "0";
    std::string intercept1 = "0";
    std::string slope1 = "0";
    std::string autocorr1 = "0";
    std::string mean1 = "0";
    std::string stdev1 = "1";
    std::string intercept2 = "0";
    std::string slope2 = "0";
    std::string autocorr2 = "0";
    std::string mean2 = "0";
    std::string stdev2 = "1";
    std::string simulations = "1000";
    std::string lags = "5";
    std::string alpha = ".05";
    bool bonferroni = true;
    bool spearman = false;
};

struct CrossReading {
    CrossSettings settings;
    // Why the run cannot go ahead, when it cannot.
    std::optional<std::string> notice;
};

// Reads each field's whole text as a number and checks them against the pairs loaded: at least 3
// pairs, finite model values with standard deviations above 0, a count of at most 1,000,000, an
// alpha strictly between 0 and 1, a whole number of lags k >= 0 with 2k + 1 lags no more than
// the pairs, and a simulated length equal to the pairs.
CrossReading readCrossSettings(const CrossFields& fields, std::int32_t pairs);

} // namespace Module1
