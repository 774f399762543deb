#pragma once

#include <string>
#include <vector>

class DataGrid;

namespace figure {

// Which of the two phases of the click split a point belongs to: "0" is phase A, "1" phase B.
enum class PointPhase { none, a, b };

// What the figure plots: the points of the grid in row order and the phase of each.
struct FigureSeries {
    std::vector<double> values;
    std::vector<PointPhase> phases;
    int na = 0; // points labelled "0"
    int nb = 0; // points labelled "1"
    // Which DV cell holds no number, when one does: there are then no points at all, since a
    // series made of such a value would be a picture of data nobody entered.
    std::string notANumber;
};

// The points of the grid in one pass: each row that holds a DV value, with its phase. A row
// without a DV value is no point and counts in neither phase.
FigureSeries readFigureSeries(const DataGrid& grid);

// A fresh snapshot of the grid. The shared data set is reloaded too, so what an analysis left in
// the series is restored and never reaches the figure.
FigureSeries loadFigureSeries();

} // namespace figure
