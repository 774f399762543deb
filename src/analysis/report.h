#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// A report's text, line by line, each line ended with the line end it was made with.
class ReportBuilder {
  public:
    explicit ReportBuilder(std::string_view lineEnd) : lineEnd_(lineEnd) {}

    ReportBuilder& line(std::string_view text);
    // A rule of underscores.
    ReportBuilder& rule(std::size_t underscores);
    // The frame of a report's title: a rule of 25 underscores and a blank line, the title lines,
    // another rule of 25 and a blank line.
    ReportBuilder& title(const std::vector<std::string_view>& lines);

    const std::string& text() const { return text_; }

  private:
    std::string lineEnd_;
    std::string text_;
};

// The common frame of a report: the title's frame, the body lines, and a closing rule of 36 and
// a blank line.
std::string reportBlock(std::string_view lineEnd,
                        std::initializer_list<std::string_view> titleLines,
                        std::initializer_list<std::string_view> bodyLines);

} // namespace analysis
