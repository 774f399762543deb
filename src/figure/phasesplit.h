#pragma once

class DataGrid;

// The click on the figure that splits the series into phase A and phase B.
namespace figure {

// The gap i (1 .. pointCount - 1) between point i and point i + 1 that canvas x falls in, or 0
// when it falls in none. The gaps are the open stretches between whole multiples of the gap
// width, the canvas width divided by pointCount + 1.
int clickedGap(int canvasWidth, int pointCount, int x);

// Labels the rows of points 1..divider "0" and the rows of the later points "1". Rows without a
// DV value keep their label. Raises one Change.
void writePhaseSplit(DataGrid& grid, int divider);

} // namespace figure
