#pragma once

#include "analysis/report.h"
#include "simulation/significancegrid.h"
#include "simulation/simulationsettings.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace simulation {

// The head of a simulation report: the title lines between two rules, the valid N of the data,
// the run's size and the model of both phases, ending with an empty line.
void modelHeader(analysis::ReportBuilder& report, std::initializer_list<std::string_view> titles,
                 std::int32_t validN, const SimulationSettings& settings);

// The phase means and the last point's z-score of the Pearson test, and an empty line.
void phaseMeanLines(analysis::ReportBuilder& report, double meanA, double meanB, double zScore);

// The last-data-point test: the share of simulations whose last value lies further out than
// the observed z-score, and that share times the phase-B size, at most 0.999999.
void lastPointSection(analysis::ReportBuilder& report, std::int32_t further, std::int32_t numbers,
                      double zScore, std::int32_t n2);

// The 101 rows of a significance table and two empty lines.
void significanceTable(analysis::ReportBuilder& report, const SignificanceGrid& grid,
                       const std::string& rowLabel);

// What the Pearson and Spearman reports call their statistic.
struct StatisticLabels {
    std::string statistic; // "R = "
    std::string row;       // "|R|="
};

// The observed statistics and simulated counts of the seven test slots: 0 the phase column, 1
// the level vector, 2..6 the slope vectors s1..s5.
struct SlotResults {
    std::array<double, 7> observed{};
    std::array<SignificanceGrid, 7> grids{};
};

// The chosen test sections in their order, each with its vector, its statistic and p, and its
// table when tables are asked for; vectorTexts are prefabvector(0..6).
void testSections(analysis::ReportBuilder& report, const StatisticLabels& labels,
                  const SlotResults& results, const SimulationSettings& settings,
                  const std::array<std::string, 7>& vectorTexts);

} // namespace simulation
