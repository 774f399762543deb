#include "data/cellnumbers.h"

#include "data/datagrid.h"
#include "data/module1.h"
#include "framework/conversions.h"

#include <cmath>

namespace Module1 {

namespace {

// A cell is quoted whole up to this many characters, so a long paste keeps the notice short.
constexpr std::size_t quotedCharacters = 30;

// The cell's text as the notice quotes it: cut after quotedCharacters characters (not inside
// one of UTF-8's several bytes) and marked so. Built by appending, since GCC 12 at -O3 warns
// falsely (-Wrestrict) on a literal put before a string.
std::string quoted(const std::string& text) {
    std::size_t characters = 0;
    std::size_t cut = 0;
    while (cut < text.size()) {
        const bool startsCharacter = (static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == quotedCharacters) {
            break;
        }
        ++cut;
    }
    std::string quote(1, '"');
    quote.append(text, 0, cut);
    if (cut < text.size()) {
        quote.append("...");
    }
    quote.push_back('"');
    return quote;
}

std::string notice(const DataGrid& grid, int row, int column) {
    const std::string& text = grid.cell(row, column);
    // "1e999" reads as a number, past the largest a double holds.
    const char* const what = framework::wholeTextNumber(text) ? ", which is too large a number"
                                                              : ", which is not a number";
    std::string notice("Row ");
    notice.append(framework::CStr(std::int32_t{row}))
        .append(" of ")
        .append(grid.cell(0, column))
        .append(" holds ")
        .append(quoted(text))
        .append(what)
        .append(". Empty the cell to make it a missing value.");
    return notice;
}

} // namespace

bool holdsNumber(const std::string& cell) {
    const std::optional<double> value = framework::wholeTextNumber(cell);
    return value && std::isfinite(*value);
}

std::optional<std::string> seriesNotANumber(const DataGrid& grid) {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const std::string& dv = grid.cell(row, DataGrid::dvColumn);
        if (!isMissing(dv) && !holdsNumber(dv)) {
            return notice(grid, row, DataGrid::dvColumn);
        }
    }
    return std::nullopt;
}

std::optional<std::string> pairsNotANumber(const DataGrid& grid) {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const std::string& first = grid.cell(row, DataGrid::dvColumn);
        const std::string& second = grid.cell(row, DataGrid::phaseColumn);
        if (isMissing(first) || isMissing(second)) {
            continue;
        }
        for (const int column : {DataGrid::dvColumn, DataGrid::phaseColumn}) {
            if (!holdsNumber(grid.cell(row, column))) {
                return notice(grid, row, column);
            }
        }
    }
    return std::nullopt;
}

} // namespace Module1
