#include "crosscorrelation/crosssettings.h"

#include "analysis/fieldchecks.h"
#include "framework/conversions.h"

namespace Module1 {

namespace {

SeriesModel readModel(analysis::FieldChecks& checks, const std::string& series,
                      const std::string& intercept, const std::string& slope,
                      const std::string& autocorr, const std::string& mean,
                      const std::string& stdev) {
    SeriesModel model;
    model.intercept = checks.number(series + " Intercept", intercept);
    model.slope = checks.number(series + " Slope", slope);
    model.autocorrelation = checks.number(series + " Autocorr", autocorr);
    model.mean = checks.number(series + " Mean", mean);
    model.standardDeviation = checks.above(series + " StDev", stdev, 0.0);
    return model;
}

} // namespace

CrossReading readCrossSettings(const CrossFields& fields, std::int32_t pairs) {
    analysis::FieldChecks checks;
    checks.require(pairs >= 3, "Not enough data to run these analyses.");
    CrossSettings settings;
    settings.length = checks.wholeNumber("DV1 N-Size", fields.nSize1, 0);
    settings.dv1 = readModel(checks, "DV1", fields.intercept1, fields.slope1, fields.autocorr1,
                             fields.mean1, fields.stdev1);
    settings.dv2 = readModel(checks, "DV2", fields.intercept2, fields.slope2, fields.autocorr2,
                             fields.mean2, fields.stdev2);
    settings.simulations = checks.count("Number of simulations", fields.simulations, "simulations");
    settings.lags = checks.wholeNumber("Number of Lags", fields.lags, 0);
    settings.lagsText = std::string(framework::trimBlanks(fields.lags));
    settings.alpha = checks.between("Nominal Alpha", fields.alpha, 0.0, 1.0);
    settings.bonferroni = fields.bonferroni;
    settings.spearman = fields.spearman;

    const std::int64_t lagsShown = 2 * static_cast<std::int64_t>(settings.lags) + 1;
    checks.require(lagsShown <= pairs, "\"Number of Lags\" needs a whole number of at most " +
                                           framework::CStr((pairs - 1) / 2) + " for " +
                                           framework::CStr(pairs) + " pairs.");
    checks.require(settings.length == pairs,
                   "The DV1 N-Size is " + framework::CStr(settings.length) + " but the data hold " +
                       framework::CStr(pairs) +
                       " complete pairs: the simulated series must be as long as the data.");
    if (checks.passed()) {
        return {settings, std::nullopt};
    }
    return {settings, checks.notice()};
}

} // namespace Module1
