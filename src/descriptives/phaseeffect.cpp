#include "descriptives/phaseeffect.h"

#include "analysis/basics.h"
#include "data/module1.h"
#include "framework/runtime.h"

#include <cmath>
#include <span>

namespace Module1 {

void RemoveLevel() {
    loadinfo();
    loadphases();
    if (numphases != 2) {
        framework::showMessage(
            "There are more or less than 2 phases in this data set. Therefore, the program did "
            "NOT remove the phase effects before calculating the autocorrelation coefficients.");
        phaseromved = false;
        return;
    }
    const auto phaseSeries = [](std::int32_t p) {
        return std::span<const double>(v[p]).subspan(1, static_cast<std::size_t>(phasen[p]));
    };
    const double firstMean = analysis::mean(phaseSeries(1));
    const double secondMean = analysis::mean(phaseSeries(2));
    const double effect = secondMean - firstMean;
    // The whole series holds the rows with a value in row order; a row takes the shift by its
    // label, so phases that alternate (ABAB) are shifted point by point.
    std::int32_t point = 0;
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        if (isMissing(grid().cell(row, DataGrid::dvColumn))) {
            continue;
        }
        ++point;
        if (phaseKey(row) == phaselabel[2]) {
            // Means near the top of the range in both directions have a difference past it;
            // the shifted value itself can still be finite.
            v[0][point] = std::isfinite(effect) ? v[0][point] - effect
                                                : (v[0][point] - secondMean) + firstMean;
        }
    }
    phaseromved = true;
}

} // namespace Module1
