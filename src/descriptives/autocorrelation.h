#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

#include <cstdint>
#include <string>
#include <string_view>

// The Bootstrapped Autocorrelation analysis: the lag coefficients of the whole series and of
// every phase, each with a bootstrap p-value.
namespace Module1 {

// Which series the coefficients are taken of.
enum class AutocorrelationData {
    Raw,
    OlsResiduals,       // the residuals of each series' own trend line
    PhaseEffectRemoved, // the whole series with the second phase shifted to the first's mean
};

// What the dialog's controls said when OK was pressed.
struct AutocorrelationSettings {
    std::int32_t bootstraps = 1000;
    std::int32_t lags = 3;
    AutocorrelationData data = AutocorrelationData::Raw;
};

// The highest number of lags: one below the longest series the grid holds.
inline constexpr std::int32_t maximumLags = 198;

// The fields' texts as settings; notice is left empty when they will do, and otherwise names the
// field and what it needs.
AutocorrelationSettings readAutocorrelationSettings(std::string_view bootstrapsText,
                                                    std::string_view lagsText,
                                                    AutocorrelationData data, std::string& notice);

// Appends one report block to output unless the whole series has fewer than three values (a
// notice) or the user holds Control during the resamples; the OLS option appends its residual
// listing first in every case. The progress window is closed when it returns.
void autocorrelation(const AutocorrelationSettings& settings, Progress& progress, Output& output);

} // namespace Module1
