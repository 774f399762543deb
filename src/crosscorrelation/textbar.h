#pragma once

#include <string>

// A correlation drawn as a bar of report text: 25 cells left of the axis "|" for negative
// correlations and 25 right of it for positive ones, each cell 0.04 of correlation, filled
// outwards from the axis.
namespace Module1 {

// The bar of a lag that is not significant, marked with ".".
std::string corrtograph(double r);

// The bar of a significant lag, marked with "O".
std::string corrtograph2(double r);

} // namespace Module1
