#include "descriptives/autocorrelation.h"

#include "analysis/alert.h"
#include "analysis/fieldchecks.h"
#include "analysis/report.h"
#include "analysis/run.h"
#include "data/cellnumbers.h"
#include "data/module1.h"
#include "descriptives/autocorrelationbootstrap.h"
#include "descriptives/phaseeffect.h"
#include "descriptives/trendresiduals.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <cmath>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace Module1 {

namespace {

std::string coefficientText(double r) {
    return std::isnan(r) ? framework::CStr(r) : framework::Format(r, "+#.000");
}

std::string pText(double p) {
    return std::isnan(p) ? "undefined" : framework::Format(p, ".00##");
}

void addBlock(analysis::ReportBuilder& report, const AutocorrelationSettings& settings,
              std::int32_t p, const autocorrelation::LagBootstrap& lags) {
    std::vector<std::string_view> title{"Autocorrelations"};
    if (settings.data == AutocorrelationData::OlsResiduals) {
        title.emplace_back("OLS Residuals");
    }
    if (settings.data == AutocorrelationData::PhaseEffectRemoved && phaseromved && p == 0) {
        title.emplace_back("Phase-Effect Removed");
    }
    report.title(title);
    report.line(p == 0 ? "ALL DATA" : "PHASE: " + phaselabel[p]);
    report.line("N-Size = " + framework::CStr(phasen[p])).line("");
    for (std::int32_t k = 1; k <= lags.lags(); ++k) {
        report.line("").line("Lag-" + framework::CStr(k) + " = " +
                             coefficientText(lags.observed(k)) + ", p = " + pText(lags.p(k)));
    }
}

} // namespace

AutocorrelationSettings readAutocorrelationSettings(std::string_view bootstrapsText,
                                                    std::string_view lagsText,
                                                    AutocorrelationData data, std::string& notice) {
    analysis::FieldChecks checks;
    AutocorrelationSettings settings;
    settings.bootstraps = checks.count("Number of Bootstraps", bootstrapsText, "bootstraps");
    settings.lags = checks.wholeNumber("Number of Lags", lagsText, 1, maximumLags);
    settings.data = data;
    notice = checks.passed() ? std::string() : checks.notice();
    return settings;
}

void autocorrelation(const AutocorrelationSettings& settings, Progress& progress, Output& output) {
    // Before the residual listing, which is output of its own.
    if (const std::optional<std::string> notice = seriesNotANumber(grid())) {
        notify(*notice);
        return;
    }
    loadinfo();
    loadphases();
    if (settings.data == AutocorrelationData::OlsResiduals) {
        fitOLSmodel(output);
    }
    if (settings.data == AutocorrelationData::PhaseEffectRemoved) {
        RemoveLevel();
    }
    if (phasen[0] < 3) {
        notify("Not enough data to run these analyses.");
        return;
    }

    analysis::AnalysisRun run(progress, output);
    const std::int32_t goal = settings.bootstraps * (numphases + 1);
    run.show("Running Bootstrapped Autocorrelations", "Number of iterations completed", goal);
    analysis::ReportBuilder report(cps);
    for (std::int32_t p = 0; p <= numphases; ++p) {
        n = phasen[p];
        autocorrelation::LagBootstrap lags(
            std::span<const double>(v[p]).subspan(1, static_cast<std::size_t>(n)), settings.lags);
        bool completed = false;
        framework::withRandomStream([&](auto& stream) {
            completed = run.iterate(
                settings.bootstraps, 10, [&](std::int32_t) { lags.resample(stream); },
                p * settings.bootstraps);
        });
        if (!completed) {
            return;
        }
        lags.countLeftOver();
        addBlock(report, settings, p, lags);
    }
    report.rule(36).line("");
    phaseromved = false;
    loadinfo();
    run.finish(report.text());
}

} // namespace Module1
