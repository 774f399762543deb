#pragma once

#include <cstdint>
#include <string>

namespace Module1 {

// The names a bootstrap report carries: its title and the name of its statistic.
struct BootstrapReport {
    std::string title;
    std::string statistic;
};

// The report block of a bootstrap run: N, missing pairs, iterations, then the observed
// statistic with its p. A statistic that is not a number, or a p that is not one (no resample
// gave a number), prints "p = undefined".
std::string bootstrapReportBlock(const BootstrapReport& report, std::int32_t validN,
                                 std::int32_t missingPairs, std::int32_t iterations,
                                 double statistic, double p);

} // namespace Module1
