#include "simulation/centredcolumns.h"

#include "analysis/basics.h"

#include <array>
#include <cmath>
#include <limits>

namespace simulation {

FixedColumn::FixedColumn(std::span<const double> values)
    : constant_(analysis::isConstant(values)), deviations_(values.size()) {
    const double meanValue = analysis::mean(values);
    for (std::size_t i = 0; i < values.size(); ++i) {
        deviations_[i] = values[i] - meanValue;
        squares_ += deviations_[i] * deviations_[i];
    }
}

void CentredSeries::centre(std::span<const double> series) {
    length_ = series.size();
    constant_ = analysis::isConstant(series);
    const double meanValue = analysis::mean(series);
    double squares = 0.0;
    for (std::size_t i = 0; i < length_; ++i) {
        const double deviation = series[i] - meanValue;
        deviations_[i] = deviation;
        squares += deviation * deviation;
    }
    squares_ = squares;
}

void CentredSeries::correlate(std::span<const FixedColumn* const> columns,
                              std::span<double> results) const {
    std::array<double, mostColumns> products{};
    std::array<const double*, mostColumns> others{};
    const std::size_t count = columns.size();
    for (std::size_t c = 0; c < count; ++c) {
        others[c] = columns[c]->deviations().data();
    }
    for (std::size_t i = 0; i < length_; ++i) {
        const double deviation = deviations_[i];
        for (std::size_t c = 0; c < count; ++c) {
            products[c] += deviation * others[c][i];
        }
    }
    for (std::size_t c = 0; c < count; ++c) {
        results[c] = constant_ || columns[c]->constant()
                         ? std::numeric_limits<double>::quiet_NaN()
                         : products[c] / std::sqrt(squares_ * columns[c]->squares());
    }
}

} // namespace simulation
