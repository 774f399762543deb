#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace Module1 {

// The level vector and the five slope vectors on the model's time axis 1..n1 + n2, with their
// printable texts in prefabvector(1..6). n1 + n2 must lie within the arrays' bound.
void loadsimulationvectors();

} // namespace Module1

namespace simulation {

// "|" and then each value's CStr text followed by "|": 0, 0, 1 prints as |0|0|1|.
std::string vectorText(std::span<const std::int32_t> values);
std::string vectorText(std::span<const double> values);

} // namespace simulation
