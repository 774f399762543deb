#include "correlation/bootstrapreport.h"

#include "analysis/report.h"
#include "data/module1.h"
#include "framework/conversions.h"

#include <cmath>

namespace Module1 {

std::string bootstrapReportBlock(const BootstrapReport& report, std::int32_t validN,
                                 std::int32_t missingPairs, std::int32_t iterations,
                                 double statistic, double p) {
    using framework::CStr;
    const std::string pText =
        std::isnan(statistic) || std::isnan(p) ? "undefined" : framework::Format(p, ".00##");
    return analysis::reportBlock(
        cps, {report.title},
        {"Valid N-Size = " + CStr(validN), "Missing Pairwise = " + CStr(missingPairs),
         "Number of iterations = " + CStr(iterations), "",
         report.statistic + " = " + CStr(statistic) + ", p = " + pText, ""});
}

} // namespace Module1
