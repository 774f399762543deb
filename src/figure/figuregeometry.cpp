#include "figure/figuregeometry.h"

#include "analysis/basics.h"
#include "framework/conversions.h"

namespace figure {

namespace {

using framework::toInt32;

std::vector<double> valuesOfPhase(const FigureSeries& series, PointPhase phase) {
    std::vector<double> values;
    for (std::size_t i = 0; i < series.values.size(); ++i) {
        if (series.phases[i] == phase) {
            values.push_back(series.values[i]);
        }
    }
    return values;
}

// A phase's mean and sigma lines in the whole series' z units, each only where it is defined.
void addPhaseLines(FigureGeometry& geometry, const std::vector<double>& phaseValues, double mean,
                   double sigma, int fromX, int toX) {
    const double phaseMean = analysis::mean(phaseValues);
    const double phaseSigma = sampleSigma(phaseValues, phaseMean);
    if (const auto y = pixelRow(phaseLevel(phaseMean, phaseSigma, 0, mean, sigma))) {
        geometry.phaseMeanLines.push_back({fromX, toX, *y});
    }
    for (const int k : {1, 2, 3, -1, -2, -3}) {
        if (const auto y = pixelRow(phaseLevel(phaseMean, phaseSigma, k, mean, sigma))) {
            geometry.phaseSigmaLines.push_back({fromX, toX, *y});
        }
    }
}

} // namespace

FigureGeometry figureGeometry(const FigureSeries& series, int divider,
                              const FigureOptions& options) {
    FigureGeometry geometry;
    if (!series.notANumber.empty()) {
        geometry.notice = series.notANumber;
        return geometry;
    }
    const int n = static_cast<int>(series.values.size());
    const double step = xStep(n);
    const std::vector<double> z = zScores(series.values);

    for (int i = 1; i <= n; ++i) {
        const double x = i * step;
        const double y = meanRow - z[i - 1] * yScale;
        geometry.dots.push_back({toInt32(x), toInt32(y)});
        geometry.labelAnchors.push_back(
            {toInt32(x + options.xOffset), toInt32(y + options.yOffset)});
        geometry.numberTexts.push_back(framework::CStr(static_cast<std::int32_t>(i)));
        geometry.valueTexts.push_back(framework::CStr(series.values[i - 1]));
        if (i < n) {
            const double nextX = (i + 1) * step;
            const double nextY = meanRow - z[i] * yScale;
            geometry.connections.push_back(
                {{toInt32(x + 3), toInt32(y + 3)}, {toInt32(nextX + 3), toInt32(nextY + 3)}});
        }
    }

    if (divider > 0) {
        geometry.splitX = toInt32(divider * step + step / 2);
    }
    for (int k = 1; k <= 3; ++k) {
        geometry.sigmaRows[2 * (k - 1)] = toInt32(meanRow - k * yScale);
        geometry.sigmaRows[2 * (k - 1) + 1] = toInt32(meanRow + k * yScale);
    }

    geometry.phaseSplitX = toInt32((series.na + 0.5) * step);
    const double mean = analysis::mean(series.values);
    const double sigma = sampleSigma(series.values, mean);
    addPhaseLines(geometry, valuesOfPhase(series, PointPhase::a), mean, sigma, 0,
                  geometry.phaseSplitX);
    addPhaseLines(geometry, valuesOfPhase(series, PointPhase::b), mean, sigma, geometry.phaseSplitX,
                  pictureWidth);
    return geometry;
}

} // namespace figure
