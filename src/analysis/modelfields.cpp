#include "analysis/modelfields.h"

#include "data/datagrid.h"
#include "data/module1.h"
#include "framework/conversions.h"

#include <cmath>

namespace analysis {

std::int32_t seriesLength(FieldChecks& checks, std::string_view field, std::string_view text) {
    return checks.wholeNumber(field, text, 1);
}

std::int32_t autoregressionLag(FieldChecks& checks, std::string_view field, std::string_view text) {
    return checks.wholeNumber(field, text, 0);
}

double errorSpread(FieldChecks& checks, std::string_view field, std::string_view text) {
    return checks.above(field, text, 0.0);
}

std::int32_t completePairs(const DataGrid& grid) {
    std::int32_t pairs = 0;
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        if (!Module1::isMissing(grid.cell(row, DataGrid::dvColumn)) &&
            !Module1::isMissing(grid.cell(row, DataGrid::phaseColumn))) {
            ++pairs;
        }
    }
    return pairs;
}

std::string simulatedLengthNotice(std::int64_t simulated, std::int32_t pairs) {
    return "The simulated series would have " + std::to_string(simulated) +
           " points, but the data have " + framework::CStr(pairs) +
           " complete pairs. Please make the N-sizes add up to " + framework::CStr(pairs) + ".";
}

std::string estimateText(double estimate) {
    const double shown = std::round(estimate * 1000.0) / 1000.0;
    if (!std::isfinite(shown) || shown == 0.0) {
        return "0";
    }
    return framework::CStr(shown);
}

} // namespace analysis
