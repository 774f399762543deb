#include "figure/figureseries.h"

#include "data/cellnumbers.h"
#include "data/module1.h"
#include "framework/conversions.h"

#include <optional>
#include <utility>

namespace figure {

FigureSeries readFigureSeries(const DataGrid& grid) {
    FigureSeries series;
    if (std::optional<std::string> notice = Module1::seriesNotANumber(grid)) {
        series.notANumber = std::move(*notice);
        return series;
    }
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const std::string& dv = grid.cell(row, DataGrid::dvColumn);
        if (Module1::isMissing(dv)) {
            continue;
        }
        series.values.push_back(framework::CDbl(dv));
        // Labels are read as the loaders read them, without surrounding blanks.
        const std::string_view label = framework::trimBlanks(grid.cell(row, DataGrid::phaseColumn));
        PointPhase phase = PointPhase::none;
        if (label == "0") {
            phase = PointPhase::a;
            ++series.na;
        } else if (label == "1") {
            phase = PointPhase::b;
            ++series.nb;
        }
        series.phases.push_back(phase);
    }
    return series;
}

FigureSeries loadFigureSeries() {
    Module1::loadinfo();
    // Read after the reload, in a pass that lets no event run, so the points and their phases
    // come from one state of the grid.
    return readFigureSeries(Module1::grid());
}

} // namespace figure
