#include "app/reportblock.h"

#include "data/module1.h"

namespace Module1 {

namespace {

void addLine(std::string& block, std::string_view line) {
    block += line;
    block += cps;
}

} // namespace

std::string reportBlock(std::initializer_list<std::string_view> titleLines,
                        std::initializer_list<std::string_view> bodyLines) {
    const std::string titleRule(25, '_');
    std::string block;
    addLine(block, titleRule);
    addLine(block, "");
    for (const std::string_view line : titleLines) {
        addLine(block, line);
    }
    addLine(block, titleRule);
    addLine(block, "");
    for (const std::string_view line : bodyLines) {
        addLine(block, line);
    }
    addLine(block, std::string(36, '_'));
    addLine(block, "");
    return block;
}

} // namespace Module1
