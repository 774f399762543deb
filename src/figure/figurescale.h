#pragma once

#include <optional>
#include <span>
#include <vector>

// The figure's scale: every point is drawn as its z-score against the whole series, on a picture
// whose middle row is the mean and whose 600 rows span 9 standard deviations.
namespace figure {

inline constexpr int pictureWidth = 800;
inline constexpr int pictureHeight = 600;
inline constexpr int meanRow = 300;
inline constexpr double yScale = 600.0 / 9.0;

// The sample standard deviation; 0 when every value is the same (whatever rounding the mean
// picked up), not a number for fewer than two values.
double sampleSigma(std::span<const double> values, double mean);

// z-scores against the whole series. A series without spread (one point, or equal values) sits
// on the mean: every z-score is 0.
std::vector<double> zScores(std::span<const double> values);

// Horizontal pixels from one point to the next: point i stands at i * xStep.
double xStep(int pointCount);

// A phase's mean (k = 0) or its k-sigma line in the whole series' z units; not a number when the
// phase or the series lacks what it needs (no point, no spread).
double phaseLevel(double phaseMean, double phaseSigma, int k, double mean, double sigma);

// The picture row of a z value; none when the value is not a finite number.
std::optional<int> pixelRow(double z);

} // namespace figure
