#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace Module1 {

// The common frame of a report: a rule of 25 underscores and a blank line, the title lines,
// another rule of 25 and a blank line, the body lines, and a closing rule of 36 and a blank
// line. Every line ends with Module1::cps.
std::string reportBlock(std::initializer_list<std::string_view> titleLines,
                        std::initializer_list<std::string_view> bodyLines);

} // namespace Module1
