#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What the cross-lag dialog shows of the data: the complete pairs as series 0 (Var1) and 1
// (Var2) of Module1::v, and each series' lag autocorrelation estimate at its Lag field.
namespace Module1 {

// Loads the complete pairs, copies them into v(0, .) and v(1, .) and sets phasen(0) and
// phasen(1) to their number n.
void loadcrosspairs();

// True when the Lag field's whole text is a whole number with 0 <= lag < pairs - 2.
bool acceptablelag(std::string_view lagText, std::int32_t pairs);

// The text of the estimate of series 0 or 1 at the lag, as analysis::estimateText gives it.
std::string estimatetext(std::int32_t series, std::string_view lagText);

} // namespace Module1
