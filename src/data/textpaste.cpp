#include "data/textpaste.h"

#include "data/module1.h"
#include "data/textparser.h"
#include "framework/runtime.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Target {
    int column;
    std::size_t field;
};

std::vector<Target> targetsOf(PasteColumns columns) {
    switch (columns) {
    case PasteColumns::dv:
        return {{DataGrid::dvColumn, 0}};
    case PasteColumns::phase:
        return {{DataGrid::phaseColumn, 0}};
    case PasteColumns::both:
        break;
    }
    return {{DataGrid::dvColumn, 0}, {DataGrid::phaseColumn, 1}};
}

std::string fieldOf(std::vector<std::string>& line, std::size_t field) {
    return field < line.size() ? std::move(line[field]) : std::string();
}

} // namespace

bool pasteText(DataGrid& grid, std::string_view text, PasteColumns columns) {
    const std::vector<Target> targets = targetsOf(columns);
    TextTable table = parseTabDelimitedText(text, static_cast<std::size_t>(DataGrid::lastDataRow),
                                            targets.back().field + 1);
    const DataGrid::ChangeBatch change(grid);
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const auto line = static_cast<std::size_t>(row - DataGrid::firstDataRow);
        for (const Target& target : targets) {
            grid.setCell(row, target.column,
                         line < table.lines.size() ? fieldOf(table.lines[line], target.field)
                                                   : std::string());
        }
        framework::RuntimeBackgroundTask();
    }
    return table.moreData;
}

bool holdsValues(std::string_view text, PasteColumns columns) {
    const std::size_t fields = targetsOf(columns).back().field + 1;
    const TextTable table =
        parseTabDelimitedText(text, static_cast<std::size_t>(DataGrid::lastDataRow), fields);
    for (const std::vector<std::string>& line : table.lines) {
        for (std::size_t field = 0; field < std::min(fields, line.size()); ++field) {
            if (!Module1::isMissing(line[field])) {
                return true;
            }
        }
    }
    return table.moreData;
}

namespace Module1 {

bool readtextdata(std::string_view s) {
    return pasteText(grid(), s, PasteColumns::both);
}

} // namespace Module1
