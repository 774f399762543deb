#include "simulation/designvectors.h"

#include "data/module1.h"
#include "framework/conversions.h"

#include <array>
#include <stdexcept>

namespace simulation {

namespace {

template <typename Value> std::string textOf(std::span<const Value> values) {
    std::string text = "|";
    for (const Value value : values) {
        text += framework::CStr(value);
        text += '|';
    }
    return text;
}

} // namespace

std::string vectorText(std::span<const std::int32_t> values) {
    return textOf(values);
}

std::string vectorText(std::span<const double> values) {
    return textOf(values);
}

} // namespace simulation

namespace Module1 {

void loadsimulationvectors() {
    if (n1 < 0 || n2 < 0 || n1 + n2 >= static_cast<std::int32_t>(levelvector.size())) {
        throw std::out_of_range("model length outside the design vectors' bounds");
    }
    for (std::int32_t i = 1; i <= n1; ++i) {
        levelvector[i] = 0;
        s1vector[i] = i;
        s2vector[i] = 0;
        s3vector[i] = i;
        s4vector[i] = i;
        s5vector[i] = i;
    }
    for (std::int32_t j = 1; j <= n2; ++j) {
        const std::int32_t i = n1 + j;
        levelvector[i] = 1;
        s1vector[i] = n1 + 1 - j;
        s2vector[i] = j;
        s3vector[i] = n1 + 1;
        s4vector[i] = n1 + j;
        s5vector[i] = j;
    }
    const auto points = static_cast<std::size_t>(n1 + n2);
    const std::array<const Int32Series*, 6> vectors{&s1vector, &s2vector, &s3vector,
                                                    &s4vector, &s5vector, &levelvector};
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        prefabvector[k + 1] =
            simulation::vectorText(std::span<const std::int32_t>(*vectors[k]).subspan(1, points));
    }
}

} // namespace Module1
