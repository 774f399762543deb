#include "simulation/simulationreport.h"

#include "framework/conversions.h"

#include <cmath>
#include <string>

namespace simulation {

using framework::CStr;
using framework::Format;

namespace {

// The model of one phase, as the report states it.
void phaseCharacteristics(analysis::ReportBuilder& report, const std::string& phase,
                          std::int32_t size, double slope, double intercept, double autocorr,
                          double lag) {
    report.line("PHASE-" + phase + " (Simulation Characteristics)");
    report.line("Phase-" + phase + " N-size = " + CStr(size));
    report.line("Programmed Slope = " + CStr(slope));
    report.line("Programmed Intercept = " + CStr(intercept));
    report.line("Programmed Autocorr = " + CStr(autocorr));
    report.line("Errors follow the lag-" + CStr(lag) + " autoreg. model");
    report.line("");
}

} // namespace

void modelHeader(analysis::ReportBuilder& report, std::initializer_list<std::string_view> titles,
                 std::int32_t validN, const SimulationSettings& settings) {
    const SimulationModel& model = settings.model;
    report.title(titles);
    report.line("Valid N-Size of sample = " + CStr(validN));
    report.line("N-size of simulations = " + CStr(model.length()));
    report.line("Number of simulations = " + CStr(settings.simulations));
    report.line("Error Mean = " + CStr(model.errorMean));
    report.line("Error StDev = " + CStr(model.errorSd));
    report.line("");
    phaseCharacteristics(report, "A", model.n1, model.slope1, model.intercept1, model.autocorr1,
                         model.lag1);
    phaseCharacteristics(report, "B", model.n2, model.slope2, model.intercept2, model.autocorr2,
                         model.lag2);
}

void phaseMeanLines(analysis::ReportBuilder& report, double meanA, double meanB, double zScore) {
    report.line("PHASE-A Mean = " + Format(meanA, "#########0.0####"));
    report.line("PHASE-B Mean = " + Format(meanB, "#########0.0####"));
    report.line("Last point Z-Score = " + Format(zScore, "######0.0####"));
    report.line("");
}

void lastPointSection(analysis::ReportBuilder& report, std::int32_t further, std::int32_t numbers,
                      double zScore, std::int32_t n2) {
    report.line("SPC: Last data point analysis:");
    if (!std::isfinite(zScore) || numbers == 0) {
        report.line("p = undefined");
        report.line("p(corrected) = undefined");
    } else {
        const double p = static_cast<double>(further) / static_cast<double>(numbers);
        double corrected = p * n2;
        if (corrected > 0.999999) {
            corrected = 0.999999;
        }
        report.line("p = " + Format(p, "0.0#####"));
        report.line("p(corrected) = " + Format(corrected, "0.0#####"));
    }
    report.line("");
}

void significanceTable(analysis::ReportBuilder& report, const SignificanceGrid& grid,
                       const std::string& rowLabel) {
    for (std::int32_t j = 0; j < SignificanceGrid::thresholds; ++j) {
        report.line(tableRow(grid, j, rowLabel));
    }
    report.line("").line("");
}

namespace {

void section(analysis::ReportBuilder& report, const StatisticLabels& labels,
             const SlotResults& results, bool tables, std::string_view title,
             const std::string& vectorLine, std::size_t slot) {
    report.line(title);
    report.line(vectorLine);
    report.line(labels.statistic + Format(results.observed[slot], "+#.000") +
                ", p = " + pText(results.grids[slot], results.observed[slot]));
    report.line("");
    if (tables) {
        significanceTable(report, results.grids[slot], labels.row);
    }
}

} // namespace

void testSections(analysis::ReportBuilder& report, const StatisticLabels& labels,
                  const SlotResults& results, const SimulationSettings& settings,
                  const std::array<std::string, 7>& vectorTexts) {
    const bool tables = settings.tables;
    if (settings.usePhase) {
        section(report, labels, results, tables, "Custom 'Phase' Vector", vectorTexts[0], 0);
    }
    if (settings.levelChange) {
        section(report, labels, results, tables, "Test for Level Change",
                "Level Vector = " + vectorTexts[6], 1);
    }
    if (settings.slopeChange) {
        section(report, labels, results, tables, "Test for Slope Change",
                "Slope Vector = " + vectorTexts[1], 2);
    }
    if (settings.allSlopes) {
        for (std::size_t k = 1; k <= 5; ++k) {
            section(report, labels, results, tables,
                    "Slope Vector " + CStr(static_cast<std::int32_t>(k)), vectorTexts[k], k + 1);
        }
    }
}

} // namespace simulation
