#include "app/qtvfile.h"

#include "framework/runtime.h"
#include "framework/textdecoding.h"

#include <optional>

namespace qtvfile {

namespace {

constexpr std::string_view signature = "QTVK";

// Takes one length-prefixed string off the front of the bytes; nothing when they end too early.
std::optional<std::string_view> takeString(std::string_view& bytes) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    const auto length = static_cast<unsigned char>(bytes.front());
    if (bytes.size() < 1 + std::size_t{length}) {
        return std::nullopt;
    }
    const std::string_view text = bytes.substr(1, length);
    bytes.remove_prefix(1 + std::size_t{length});
    return text;
}

void putString(std::string& out, std::string_view text) {
    out += static_cast<char>(static_cast<unsigned char>(text.size()));
    out += text;
}

int rowOf(std::size_t cellIndex) {
    return DataGrid::firstDataRow + static_cast<int>(cellIndex / 2);
}

int columnOf(std::size_t cellIndex) {
    return cellIndex % 2 == 0 ? DataGrid::dvColumn : DataGrid::phaseColumn;
}

} // namespace

ReadResult read(std::string_view bytes) {
    ReadResult result;
    if (takeString(bytes) != signature) {
        result.problem = Problem::notTvkFile;
        return result;
    }
    for (std::string& cell : result.cells) {
        const std::optional<std::string_view> text = takeString(bytes);
        if (!text) {
            result.problem = Problem::incomplete;
            result.cells = {};
            return result;
        }
        cell = framework::decodeUtf8OrLatin1(*text);
    }
    return result;
}

void apply(DataGrid& grid, const Cells& cells) {
    const DataGrid::ChangeBatch change(grid);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        grid.setCell(rowOf(i), columnOf(i), cells[i]);
        framework::RuntimeBackgroundTask();
    }
}

WriteResult write(const DataGrid& grid) {
    WriteResult result;
    putString(result.bytes, signature);
    for (std::size_t i = 0; i < cellCount; ++i) {
        const std::string& cell = grid.cell(rowOf(i), columnOf(i));
        if (cell.size() > longestCell) {
            return {"", rowOf(i)};
        }
        putString(result.bytes, cell);
    }
    return result;
}

} // namespace qtvfile
