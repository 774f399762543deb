#include "simulation/centredcolumns.h"

#include "analysis/basics.h"

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

double CentredSeries::correlate(const FixedColumn& column) const {
    if (constant_ || column.constant()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const std::span<const double> other = column.deviations();
    double products = 0.0;
    for (std::size_t i = 0; i < length_; ++i) {
        products += deviations_[i] * other[i];
    }
    return products / std::sqrt(squares_ * column.squares());
}

} // namespace simulation
