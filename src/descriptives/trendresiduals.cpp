#include "descriptives/trendresiduals.h"

#include "analysis/basics.h"
#include "analysis/report.h"
#include "analysis/scaling.h"
#include "data/module1.h"
#include "framework/conversions.h"

#include <cmath>

namespace autocorrelation {

void replaceByTrendResiduals(std::span<double> series) {
    if (series.empty()) {
        return;
    }
    // Values far from 1 take their residuals scaled near 1 by a power of two, so that the fitted
    // values neither overflow on the way nor round to the few digits of the subnormal range.
    const int exponent = analysis::largestExponent(series);
    const int scale = analysis::isFarFromOne(exponent) ? exponent : 0;
    for (double& value : series) {
        value = std::ldexp(value, -scale);
    }
    const analysis::Line line = analysis::trendLine(series);
    for (std::size_t i = 0; i < series.size(); ++i) {
        const double residual =
            series[i] - (line.intercept + line.slope * static_cast<double>(i + 1));
        series[i] = std::ldexp(residual, scale);
    }
}

} // namespace autocorrelation

namespace Module1 {

void fitOLSmodel(Output& output) {
    loadinfo();
    loadphases();
    analysis::ReportBuilder listing(cps);
    for (std::int32_t p = 0; p <= numphases; ++p) {
        const std::span<double> series =
            std::span(v[p]).subspan(1, static_cast<std::size_t>(phasen[p]));
        autocorrelation::replaceByTrendResiduals(series);
        listing.title({"Residuals of Fitted OLS Model"});
        listing.line(p == 0 ? "ALL DATA" : "PHASE: " + phaselabel[p]).line("").line("RESIDUALS:");
        for (const double residual : series) {
            listing.line(framework::CStr(residual));
        }
        listing.line("");
    }
    output.append(listing.text());
}

} // namespace Module1
