#include "simulation/simulationtest.h"

#include "analysis/alert.h"
#include "analysis/basics.h"
#include "analysis/correlationbasics.h"
#include "analysis/report.h"
#include "analysis/run.h"
#include "data/cellnumbers.h"
#include "data/module1.h"
#include "framework/random.h"
#include "simulation/centredcolumns.h"
#include "simulation/designvectors.h"
#include "simulation/seriesranks.h"
#include "simulation/simulatedseries.h"
#include "simulation/simulationreport.h"
#include "simulation/simulationrun.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace simulation {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr std::size_t slotCount = 7;
// Which test slots the boxes choose: 0 the phase column, 1 the level vector, 2..6 the slope
// vectors s1..s5 (s1 also by "Test for slope change").
std::array<bool, slotCount> chosenSlots(const SimulationSettings& settings) {
    const bool all = settings.allSlopes;
    return {
        settings.usePhase, settings.levelChange, settings.slopeChange || all, all, all, all, all};
}

// The vector of a slot at points 1..count, as doubles.
std::vector<double> slotVector(std::size_t slot, std::int32_t count) {
    if (slot == 0) {
        return pointValues(Module1::v2, count);
    }
    const std::array<const Module1::Int32Series*, 6> vectors{
        &Module1::levelvector, &Module1::s1vector, &Module1::s2vector,
        &Module1::s3vector,    &Module1::s4vector, &Module1::s5vector};
    return pointValues(*vectors[slot - 1], count);
}

// Pearson r of each simulated series with the fixed slot vectors.
class PearsonEngine {
  public:
    static constexpr bool withLastPoint = true;

    explicit PearsonEngine(std::size_t length) : series_(length) {}

    static double observed(std::span<const double> x, std::span<const double> y) {
        return analysis::pearsonR(x, y);
    }
    static Module1::Series& target() { return Module1::vq; }

    void fix(std::size_t slot, std::span<const double> values) {
        columns_[slot].emplace(values);
        chosen_[count_] = &*columns_[slot];
        slots_[count_++] = slot;
    }
    void measure(std::span<const double> simulated) {
        series_.centre(simulated);
        series_.correlate(std::span(chosen_).first(count_), std::span(results_).first(count_));
        for (std::size_t c = 0; c < count_; ++c) {
            statistics_[slots_[c]] = results_[c];
        }
    }
    double statistic(std::size_t slot) const { return statistics_[slot]; }

  private:
    CentredSeries series_;
    std::array<std::optional<FixedColumn>, slotCount> columns_;
    std::array<const FixedColumn*, slotCount> chosen_{};
    std::array<std::size_t, slotCount> slots_{};
    std::size_t count_ = 0;
    std::array<double, slotCount> results_{};
    std::array<double, slotCount> statistics_{};
};

// Tie-corrected Spearman rho of each simulated series' ranks with the fixed slot vectors'
// ranks, which are formed once per run.
class SpearmanEngine {
  public:
    static constexpr bool withLastPoint = false;

    explicit SpearmanEngine(std::size_t length) : ranker_(length), seriesRanks_(length) {}

    static double observed(std::span<const double> x, std::span<const double> y) {
        if (analysis::isConstant(x) || analysis::isConstant(y)) {
            return notANumber;
        }
        std::vector<double> ranksX(x.size());
        std::vector<double> ranksY(y.size());
        const double tiesX = analysis::averageRanks(x, ranksX);
        const double tiesY = analysis::averageRanks(y, ranksY);
        return analysis::tieCorrectedRho(ranksX, ranksY, tiesX, tiesY);
    }
    static Module1::Series& target() { return Module1::vr1; }

    void fix(std::size_t slot, std::span<const double> values) {
        Column& column = columns_[slot];
        column.constant = analysis::isConstant(values);
        column.ranks.resize(values.size());
        column.ties = analysis::averageRanks(values, column.ranks);
    }
    void measure(std::span<const double> simulated) {
        // A series holding a value that is not a number has no ranks to speak of, nor one
        // whose true values passed the double range: its infinities would tie where those
        // values differ.
        ranked_ = !analysis::isConstant(simulated) &&
                  std::all_of(simulated.begin(), simulated.end(),
                              [](double value) { return std::isfinite(value); });
        if (ranked_) {
            seriesTies_ = ranker_.rank(simulated, seriesRanks_);
        }
    }
    double statistic(std::size_t slot) const {
        const Column& column = columns_[slot];
        if (!ranked_ || column.constant) {
            return notANumber;
        }
        return analysis::tieCorrectedRho(seriesRanks_, column.ranks, seriesTies_, column.ties);
    }

  private:
    struct Column {
        bool constant = true;
        std::vector<double> ranks;
        double ties = 0.0;
    };
    SeriesRanks ranker_;
    std::vector<double> seriesRanks_;
    double seriesTies_ = 0.0;
    bool ranked_ = false;
    std::array<Column, slotCount> columns_;
};

struct TwinKind {
    const char* title;
    StatisticLabels labels;
};

// The phase means and the last point's z-score of the DV over its n1 + n2 points.
struct LastPoint {
    double meanA;
    double meanB;
    double zScore;
};

LastPoint lastPointOf(std::span<const double> dv, const SimulationModel& model) {
    const auto n1 = std::min(dv.size(), static_cast<std::size_t>(model.n1));
    const double meanA = analysis::mean(dv.first(n1));
    const double meanB = analysis::mean(dv.subspan(n1));
    const double meanAll = analysis::mean(dv);
    const double sd = analysis::standardDeviation(dv, meanAll, static_cast<double>(dv.size() - 1));
    const double zScore = analysis::isConstant(dv) || dv.empty()
                              ? notANumber
                              : analysis::standardScore(dv.back(), meanAll, sd);
    return {meanA, meanB, zScore};
}

template <typename Engine>
void runTwin(const SimulationSettings& settings, const TwinKind& kind, Module1::Progress& progress,
             Module1::Output& output) {
    const SimulationModel& model = settings.model;
    analysis::AnalysisRun run(progress, output);
    run.show(runningTitle, counterLabel, settings.simulations);

    analysis::ReportBuilder report(Module1::cps);
    const std::int32_t validN = Module1::n;
    modelHeader(report, {"Simulation Modeling", kind.title}, validN, settings);
    const auto dv = points(std::as_const(Module1::v1), validN);
    double zScore = notANumber;
    if constexpr (Engine::withLastPoint) {
        const LastPoint last = lastPointOf(dv, model);
        zScore = last.zScore;
        phaseMeanLines(report, last.meanA, last.meanB, zScore);
    }
    const std::array<bool, slotCount> slots = chosenSlots(settings);
    SlotResults results;
    for (std::size_t t = 0; t < slotCount; ++t) {
        if (slots[t]) {
            results.observed[t] = Engine::observed(dv, slotVector(t, validN));
        }
    }
    Module1::prefabvector[0] = vectorText(points(std::as_const(Module1::v2), validN));

    const std::int32_t length = model.length();
    Module1::n = length;
    const auto size = static_cast<std::size_t>(length);
    Engine engine(size);
    for (std::size_t t = 0; t < slotCount; ++t) {
        if (slots[t]) {
            engine.fix(t, slotVector(t, length));
        }
    }
    std::vector<double> errors(size);
    std::vector<double> shocks(size);
    const std::span<double> series = points(Engine::target(), length);
    const double zMagnitude = std::fabs(zScore);
    std::int32_t further = 0;
    std::int32_t lastNumbers = 0;
    bool completed = false;
    framework::withRandomStream([&](auto& stream) {
        completed = run.iterate(settings.simulations, 10, [&](std::int32_t) {
            simulateSeries(stream, model, errors, shocks, series);
            if constexpr (Engine::withLastPoint) {
                const double last = series[size - 1];
                if (!std::isnan(last)) {
                    ++lastNumbers;
                    if (zMagnitude < std::fabs(last)) {
                        ++further;
                    }
                }
            }
            engine.measure(series);
            for (std::size_t t = 0; t < slotCount; ++t) {
                if (slots[t]) {
                    results.grids[t].add(engine.statistic(t));
                }
            }
        });
    });
    if (!completed) {
        return;
    }
    if (Engine::withLastPoint && settings.lastPoint) {
        lastPointSection(report, further, lastNumbers, zScore, model.n2);
    }
    std::array<std::string, slotCount> vectorTexts;
    std::copy_n(Module1::prefabvector.begin(), slotCount, vectorTexts.begin());
    testSections(report, kind.labels, results, settings, vectorTexts);
    report.rule(36).line("");
    run.finish(report.text());
}

} // namespace

void runSimulationTest(const SimulationSettings& settings, Module1::Progress& progress,
                       Module1::Output& output) {
    // The labels are read as numbers only as the phase vector, which the partial correlation
    // always takes; elsewhere they may name the phases ("A" and "B").
    const DataGrid& grid = Module1::grid();
    std::optional<std::string> notice = Module1::seriesNotANumber(grid);
    if (!notice && (settings.usePhase || settings.statistic == Statistic::Partial)) {
        notice = Module1::pairsNotANumber(grid);
    }
    if (notice) {
        Module1::notify(*notice);
        return;
    }
    storeModel(settings.model);
    Module1::loadvectors();
    Module1::loadsimulationvectors();
    switch (settings.statistic) {
    case Statistic::Pearson:
        Module1::simtest2(settings, progress, output);
        break;
    case Statistic::Spearman:
        Module1::runsimtest(settings, progress, output);
        break;
    case Statistic::Partial:
        Module1::runpartialcorr(settings, progress, output);
        break;
    }
}

} // namespace simulation

namespace Module1 {

void simtest2(const simulation::SimulationSettings& settings, Progress& progress, Output& output) {
    simulation::runTwin<simulation::PearsonEngine>(settings, {"Pearson - R", {"R = ", "|R|="}},
                                                   progress, output);
}

void runsimtest(const simulation::SimulationSettings& settings, Progress& progress,
                Output& output) {
    simulation::runTwin<simulation::SpearmanEngine>(
        settings, {"Spearman Rho", {"Rho = ", "|RHO|="}}, progress, output);
}

double partialcorr(double rxy, double rxz, double ryz, std::size_t pairs) {
    const double t = rxz * ryz;
    const double num = rxy - t;
    const double u = 1.0 - rxz * rxz;
    const double w = 1.0 - ryz * ryz;
    // An x or y on a straight line in time, to the precision of its data, leaves no residual to
    // correlate: its 1 - r^2 with z is rounding alone, or below 0, and dividing by it would pass
    // any number off as a partial correlation. The rounding of r grows with the number of
    // pairs summed, to some sixteen units in the last place of 1 at 199 pairs.
    const double collinear =
        4.0 * static_cast<double>(pairs) * std::numeric_limits<double>::epsilon();
    if (u <= collinear || w <= collinear) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double d = std::sqrt(u * w);
    return analysis::clampedCorrelation(num / d);
}

} // namespace Module1
