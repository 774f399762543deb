#pragma once

#include "crosscorrelation/crosssettings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace Module1 {

// One lag's line: "LAG:", the label ("0  " for lag 0, else "+04", "-03"), " r=" and r, "  p= "
// and p, then the bar, marked with "O" when significant. 76 characters for |lag| <= 99.
std::string lagLine(std::int32_t lag, double r, double p, bool significant);

// The whole report: the header, then one line for every lag whose correlation is a number
// strictly inside (-1.0001, 1.0001). p is the lag's count over the simulations; a lag is
// significant when p is below alpha, divided by the 2k + 1 lags under Bonferroni.
std::string crossReport(const CrossSettings& settings, std::int32_t pairs,
                        std::span<const double> observed, std::span<const std::int32_t> counts,
                        std::string_view lineEnd);

} // namespace Module1
