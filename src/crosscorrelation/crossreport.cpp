#include "crosscorrelation/crossreport.h"

#include "analysis/report.h"
#include "crosscorrelation/textbar.h"
#include "framework/conversions.h"

namespace Module1 {

std::string lagLine(std::int32_t lag, double r, double p, bool significant) {
    const std::string label = lag == 0 ? "0  " : framework::Format(lag, "+00");
    return "LAG:" + label + " r=" + framework::Format(r, "+0.00") +
           "  p= " + framework::Format(p, "0.000") +
           (significant ? corrtograph2(r) : corrtograph(r));
}

std::string crossReport(const CrossSettings& settings, std::int32_t pairs,
                        std::span<const double> observed, std::span<const std::int32_t> counts,
                        std::string_view lineEnd) {
    const double lagsShown = static_cast<double>(2 * settings.lags + 1);
    const double threshold = settings.bonferroni ? settings.alpha / lagsShown : settings.alpha;

    analysis::ReportBuilder report(lineEnd);
    report.rule(39).line("").line("Cross Correlations");
    report.line("Simulation Modeling for Significance Testing");
    if (settings.bonferroni) {
        report.line("Bonferroni Corrected for Multiple Comparisons");
    }
    if (settings.spearman) {
        report.line("Non-parametric (Spearman Rho)");
    }
    report.rule(37).line("");
    report.line("Number of simulation models = " + framework::CStr(settings.simulations));
    report.line("Number of lags to display = " + settings.lagsText);
    report.line("Valid pairwise N = " + framework::CStr(pairs));
    report.line("Alpha = " + framework::CStr(threshold));
    report.line("Var1 leading Var2").line("");

    for (std::size_t j = 0; j < observed.size(); ++j) {
        const double r = observed[j];
        if (!(r > -1.0001 && r < 1.0001)) {
            continue;
        }
        const double p = static_cast<double>(counts[j]) / static_cast<double>(settings.simulations);
        const auto lag = static_cast<std::int32_t>(j) - settings.lags;
        report.line(lagLine(lag, r, p, p < threshold));
    }
    return report.text();
}

} // namespace Module1
