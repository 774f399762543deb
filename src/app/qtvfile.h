#pragma once

#include "data/datagrid.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The TVK data file (.qtv): the length-prefixed signature "QTVK", then the DV and phase cell of
// rows 1..199 in that order, each as one length byte and that many bytes. Nothing else: no count,
// no version, no end marker. An empty grid gives a 403-byte file.
namespace qtvfile {

constexpr std::size_t cellCount = 2 * DataGrid::lastDataRow;
constexpr std::size_t longestCell = 255;
constexpr std::size_t largestFileSize = 5 + cellCount * (1 + longestCell);

// Row 1 DV, row 1 phase, row 2 DV, ... row 199 phase.
using Cells = std::array<std::string, cellCount>;

enum class Problem { none, notTvkFile, incomplete };

struct ReadResult {
    Problem problem = Problem::none;
    Cells cells; // only when problem is none
};

// Checks the whole file before anything is taken from it: a file that does not start with the
// signature, or ends before its last cell, gives a problem and no cells. Bytes after the last
// cell are ignored. Cell bytes that are not UTF-8 are read as Latin-1.
ReadResult read(std::string_view bytes);

// Replaces every DV and phase cell of rows 1..199 with the cells read; raises one Change.
void apply(DataGrid& grid, const Cells& cells);

struct WriteResult {
    std::string bytes;
    int tooLongRow = 0; // the first row with a cell over 255 bytes; bytes is then empty
};

WriteResult write(const DataGrid& grid);

} // namespace qtvfile
