#include "data/textparser.h"

TextLines parseTabDelimitedText(std::string_view text) {
    TextLines lines;
    std::vector<std::string> fields(1);
    bool lineOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            lines.push_back(std::move(fields));
            fields.assign(1, std::string());
            lineOpen = false;
            continue;
        }
        lineOpen = true;
        if (c == '\t') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (lineOpen) {
        lines.push_back(std::move(fields));
    }
    return lines;
}
