#include "analysis/counts.h"

#include "framework/conversions.h"

#include <algorithm>

namespace analysis {

std::int32_t countFromField(std::string_view text) {
    return std::max(minimumCount, framework::toInt32(framework::CDbl(text)));
}

std::string tooManyNotice(std::string_view noun) {
    return "Please enter no more than " + framework::CStr(maximumCount) + " " + std::string(noun) +
           ".";
}

} // namespace analysis
