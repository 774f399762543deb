#include "figure/phasesplit.h"

#include "data/datagrid.h"
#include "data/module1.h"
#include "framework/conversions.h"

namespace figure {

int clickedGap(int canvasWidth, int pointCount, int x) {
    const int gapWidth = framework::toInt32(static_cast<double>(canvasWidth) / (pointCount + 1));
    for (int i = 1; i < pointCount; ++i) {
        if (i * gapWidth < x && x < (i + 1) * gapWidth) {
            return i;
        }
    }
    return 0;
}

void writePhaseSplit(DataGrid& grid, int divider) {
    const DataGrid::ChangeBatch change(grid);
    int point = 0;
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        if (Module1::isMissing(grid.cell(row, DataGrid::dvColumn))) {
            continue;
        }
        ++point;
        grid.setCell(row, DataGrid::phaseColumn, point <= divider ? "0" : "1");
    }
}

} // namespace figure
