#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's one rule for iteration and simulation counts.
namespace analysis {

inline constexpr std::int32_t minimumCount = 100;
inline constexpr std::int32_t maximumCount = 1'000'000;

// A count field's number, truncated, and at least minimumCount (an empty field runs 100). A
// count above maximumCount is returned as it is, for the caller to refuse.
std::int32_t countFromField(std::string_view text);

// The notice for a count above maximumCount; noun is "iterations", "simulations", ...
std::string tooManyNotice(std::string_view noun);

} // namespace analysis
