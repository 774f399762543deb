#include "data/textparser.h"

#include "framework/conversions.h"

#include <algorithm>

namespace {

// Calls take(field) for the first count fields of the line and stops as soon as take returns
// false; a line always has at least one field.
template <typename Take>
void forLeadingFields(std::string_view line, std::size_t count, Take take) {
    for (std::size_t field = 0; field < count; ++field) {
        const std::size_t tab = line.find('\t');
        if (!take(line.substr(0, tab)) || tab == std::string_view::npos) {
            return;
        }
        line.remove_prefix(tab + 1);
    }
}

std::vector<std::string> keptFieldsOf(std::string_view line, std::size_t count) {
    std::vector<std::string> fields;
    forLeadingFields(line, count, [&](std::string_view field) {
        fields.emplace_back(field);
        return true;
    });
    return fields;
}

bool holdsData(std::string_view line, std::size_t count) {
    bool found = false;
    forLeadingFields(line, count, [&](std::string_view field) {
        found = !framework::trimBlanks(field).empty();
        return !found;
    });
    return found;
}

// Where the line starting at a position ends: a memchr-speed search for each break character,
// each searched again only once the scan has passed it, so a scan of the whole text stays linear.
class LineEnds {
  public:
    explicit LineEnds(std::string_view text)
        : text_(text), carriageReturn_(text.find('\r')), lineFeed_(text.find('\n')) {}

    std::size_t of(std::size_t start) {
        if (carriageReturn_ < start) {
            carriageReturn_ = text_.find('\r', start);
        }
        if (lineFeed_ < start) {
            lineFeed_ = text_.find('\n', start);
        }
        return std::min({carriageReturn_, lineFeed_, text_.size()});
    }

  private:
    std::string_view text_;
    std::size_t carriageReturn_;
    std::size_t lineFeed_;
};

} // namespace

TextTable parseTabDelimitedText(std::string_view text, std::size_t keptLines,
                                std::size_t keptFields) {
    TextTable table;
    LineEnds lineEnds(text);
    std::size_t start = 0;
    while (start < text.size() && !table.moreData) {
        if (table.lines.size() == keptLines) {
            // Past the kept lines an empty line changes nothing: skip a run of them at once.
            start = std::min(text.find_first_not_of("\r\n", start), text.size());
            if (start == text.size()) {
                break;
            }
        }
        const std::size_t end = lineEnds.of(start);
        const std::string_view line = text.substr(start, end - start);
        if (table.lines.size() < keptLines) {
            table.lines.push_back(keptFieldsOf(line, keptFields));
        } else {
            table.moreData = holdsData(line, keptFields);
        }
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return table;
}
