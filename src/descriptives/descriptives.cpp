#include "descriptives/descriptives.h"

#include "analysis/alert.h"
#include "analysis/basics.h"
#include "analysis/counts.h"
#include "analysis/draws.h"
#include "analysis/report.h"
#include "analysis/run.h"
#include "analysis/scaling.h"
#include "data/cellnumbers.h"
#include "data/module1.h"
#include "descriptives/replicatesort.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace Module1 {

namespace {

using framework::CStr;

struct IntervalRow {
    const char* label;
    double lowerFraction;
    double upperFraction;
};

constexpr std::array<IntervalRow, intervalCount> intervalRows{{
    {"90% C.I. = ", 0.05, 0.95},
    {"95% C.I. = ", 0.025, 0.975},
    {"97.5% C.I. = ", 0.0125, 0.9875},
    {"99% C.I. = ", 0.005, 0.995},
}};

const std::string runningTitle = "Running Bootstrapped Means";

// The power of two by which a sum of count values of the series is scaled down to stay finite:
// count times the largest magnitude, under 2^(bit width of count + exponent + 1), must stay
// below 2^1024. 0 for every series but those near the top of the range, and a few powers at
// most: only values near the bottom of the range then lose bits.
int overflowScale(std::span<const double> series) {
    const int width = std::bit_width(series.size());
    return std::max(0, analysis::largestExponent(series) + 1 + width - 1023);
}

// Fills every element of replicates with the mean of one resample of the series, drawn with
// replacement, one position per value. False when the run was cancelled.
bool bootstrapMeans(analysis::AnalysisRun& run, std::span<const double> series,
                    std::span<double> replicates, std::int32_t countedBefore) {
    const int scale = overflowScale(series);
    const std::vector<double> scaledCopy =
        scale == 0 ? std::vector<double>() : analysis::scaledDown(series, scale);
    const std::span<const double> scaled = scale == 0 ? series : scaledCopy;
    // A power of two of a few units at most, so the product is exact: 1 for ordinary series.
    const double unscale = std::ldexp(1.0, scale);
    const auto count = static_cast<std::int32_t>(series.size());
    const auto divisor = static_cast<double>(count);
    bool completed = false;
    framework::withRandomStream([&](auto& stream) {
        completed = run.iterate(
            static_cast<std::int32_t>(replicates.size()), 10,
            [&](std::int32_t b) {
                double sum = 0.0;
                for (std::int32_t i = 0; i < count; ++i) {
                    sum +=
                        scaled[static_cast<std::size_t>(analysis::drawPosition(stream, count) - 1)];
                }
                replicates[static_cast<std::size_t>(b - 1)] = (sum / divisor) * unscale;
            },
            countedBefore);
    });
    return completed;
}

} // namespace

double medianOfSorted(std::span<const double> sorted) {
    const std::size_t count = sorted.size();
    if (count % 2 == 1) {
        return sorted[count / 2];
    }
    return analysis::midpoint(sorted[count / 2 - 1], sorted[count / 2]);
}

LimitPositions limitPositions(Interval interval, std::int32_t nboot) {
    const IntervalRow& row = intervalRows[static_cast<std::size_t>(interval)];
    const auto position = [nboot](double fraction) {
        return std::clamp(framework::toInt32(static_cast<double>(nboot) * fraction), 1,
                          std::max(nboot, 1));
    };
    return {position(row.lowerFraction), position(row.upperFraction)};
}

namespace {

// The 0-based indices in the replicates, ascending, of every limit the chosen rows print.
std::vector<std::size_t> limitIndices(const DescriptivesSettings& settings, std::int32_t nboot) {
    std::vector<std::size_t> indices;
    for (std::size_t row = 0; row < intervalCount; ++row) {
        if (settings.intervals[row]) {
            const LimitPositions at = limitPositions(static_cast<Interval>(row), nboot);
            indices.push_back(static_cast<std::size_t>(at.lower) - 1);
            indices.push_back(static_cast<std::size_t>(at.upper) - 1);
        }
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

} // namespace

void descriptives(const DescriptivesSettings& settings, Progress& progress, Output& output) {
    const std::int32_t nboot =
        settings.anyInterval() ? std::max(settings.iterations, analysis::minimumCount) : 0;
    if (nboot > analysis::maximumCount) {
        notify(analysis::tooManyNotice("iterations"));
        return;
    }
    if (const std::optional<std::string> notice = seriesNotANumber(grid())) {
        notify(*notice);
        return;
    }
    loadinfo();
    loadphases();
    if (phasen[0] < 2) {
        notify("Not enough data to analyze.");
        return;
    }

    analysis::AnalysisRun run(progress, output);
    run.show(runningTitle, "Number of iterations completed", nboot * (numphases + 1));
    const auto carryOn = [&run] { return run.carryOn(); };
    // One buffer of replicate means, refilled by every block.
    if (settings.means) {
        bb.assign(static_cast<std::size_t>(nboot) + 1, 0.0);
    }
    const std::span<double> replicates =
        std::span(bb).subspan(settings.means ? 1 : 0, settings.means ? nboot : 0);

    analysis::ReportBuilder report(cps);
    std::int32_t replicatesDone = 0;
    for (std::int32_t p = 0; p <= numphases; ++p) {
        const std::int32_t count = phasen[p];
        const std::span<const double> series =
            std::span(v[p]).subspan(1, static_cast<std::size_t>(count));
        const double mean = analysis::mean(series);

        if (settings.means) {
            if (!bootstrapMeans(run, series, replicates, replicatesDone)) {
                return;
            }
            replicatesDone += nboot;
        }

        report.title({"Descriptives"});
        report.line(p == 0 ? "ALL DATA" : "PHASE: " + phaselabel[p]);
        if (settings.nSizes) {
            report.line("N = " + CStr(count));
        }
        report.line("Number of iterations = " + CStr(nboot));

        run.setMainLabel("Sorting Data");
        if (settings.medians) {
            std::copy(series.begin(), series.end(), a.begin() + 1);
            if (!sort(count, carryOn)) {
                return;
            }
            report.line("Median = " + CStr(medianOfSorted(std::span(a).subspan(1, series.size()))));
        }
        if (settings.means) {
            report.line("").line("Mean = " + CStr(mean));
            if (!descriptives::orderAtPositions(replicates, limitIndices(settings, nboot),
                                                carryOn)) {
                return;
            }
            for (std::size_t row = 0; row < intervalCount; ++row) {
                if (!settings.intervals[row]) {
                    continue;
                }
                const LimitPositions at = limitPositions(static_cast<Interval>(row), nboot);
                report.line(intervalRows[row].label + CStr(bb[static_cast<std::size_t>(at.lower)]) +
                            " TO " + CStr(bb[static_cast<std::size_t>(at.upper)]));
            }
            report.line("");
        }
        if (settings.stdDevs) {
            report.line("StdDev = " + CStr(analysis::standardDeviation(
                                          series, mean, static_cast<double>(count))));
        }
        if (settings.slopes || settings.intercepts) {
            const analysis::Line line = analysis::trendLine(series);
            if (settings.slopes) {
                report.line("OLS Slope = " + CStr(line.slope));
            }
            if (settings.intercepts) {
                report.line("Intercept = " + CStr(line.intercept));
            }
        }
        run.setMainLabel(runningTitle);
    }
    report.rule(36).line("");
    run.finish(report.text());
}

} // namespace Module1
