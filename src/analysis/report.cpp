#include "analysis/report.h"

namespace analysis {

ReportBuilder& ReportBuilder::line(std::string_view text) {
    text_ += text;
    text_ += lineEnd_;
    return *this;
}

ReportBuilder& ReportBuilder::rule(std::size_t underscores) {
    return line(std::string(underscores, '_'));
}

ReportBuilder& ReportBuilder::title(const std::vector<std::string_view>& lines) {
    rule(25).line("");
    for (const std::string_view text : lines) {
        line(text);
    }
    return rule(25).line("");
}

std::string reportBlock(std::string_view lineEnd,
                        std::initializer_list<std::string_view> titleLines,
                        std::initializer_list<std::string_view> bodyLines) {
    ReportBuilder report(lineEnd);
    report.title(titleLines);
    for (const std::string_view line : bodyLines) {
        report.line(line);
    }
    report.rule(36).line("");
    return report.text();
}

} // namespace analysis
