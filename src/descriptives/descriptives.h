#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

#include <array>
#include <cstdint>
#include <span>

// The descriptive report: for the whole series and then for every phase, the number of values,
// the median, the mean with its bootstrapped percentile confidence intervals, the standard
// deviation and the least-squares line over the positions in the series.
namespace Module1 {

// The confidence intervals the dialog offers, in the order of its boxes and of the report.
enum class Interval { Ninety, NinetyFive, NinetySevenHalf, NinetyNine };
inline constexpr std::size_t intervalCount = 4;

// What the dialog's controls said when OK was pressed.
struct DescriptivesSettings {
    bool nSizes = true;
    bool means = true;
    bool stdDevs = true;
    bool slopes = true;
    bool intercepts = true;
    bool medians = true;
    std::array<bool, intervalCount> intervals{false, true, false, false};
    // The bootstrap replicates of every block, by the count rule (below 100 runs 100); not
    // read when no interval is asked for.
    std::int32_t iterations = 5000;

    bool anyInterval() const {
        return intervals[0] || intervals[1] || intervals[2] || intervals[3];
    }
};

// The middle value of an ascending series of at least one value, or the mean of its two middle
// values.
double medianOfSorted(std::span<const double> sorted);

// The 1-based positions of an interval's limits in nboot ascending bootstrap means: the
// fractions of nboot truncated, with no interpolation, kept inside 1..nboot.
struct LimitPositions {
    std::int32_t lower;
    std::int32_t upper;
};
LimitPositions limitPositions(Interval interval, std::int32_t nboot);

// Appends one report to output unless the data are lacking or the count is too large (a notice
// each, before anything runs) or the user cancels; the progress window is closed when it
// returns.
void descriptives(const DescriptivesSettings& settings, Progress& progress, Output& output);

} // namespace Module1
