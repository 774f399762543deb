#include "analysis/fieldchecks.h"

#include "analysis/counts.h"
#include "framework/conversions.h"

#include <cmath>
#include <limits>

namespace analysis {

namespace {

// The field's caption in quotes, appended one part at a time: GCC 12 warns falsely of
// overlapping copies when a literal is prepended to a string.
std::string named(std::string_view field) {
    std::string quoted(1, '"');
    quoted.append(field);
    quoted.push_back('"');
    return quoted;
}

} // namespace

bool isWholeNumber(double value) {
    return std::isfinite(value) && std::trunc(value) == value &&
           value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

void FieldChecks::fail(std::string notice) {
    if (!notice_) {
        notice_ = std::move(notice);
    }
}

void FieldChecks::require(bool holds, std::string_view notice) {
    if (!holds) {
        fail(std::string(notice));
    }
}

double FieldChecks::number(std::string_view field, std::string_view text) {
    const std::optional<double> value = framework::wholeTextNumber(text);
    if (!value) {
        fail(named(field) + " needs a number.");
        return 0.0;
    }
    require(std::isfinite(*value), named(field) + " needs a number that is not too large.");
    return *value;
}

double FieldChecks::above(std::string_view field, std::string_view text, double lowest) {
    const double value = number(field, text);
    require(value > lowest,
            named(field) + " needs a number above " + framework::CStr(lowest) + ".");
    return value;
}

double FieldChecks::between(std::string_view field, std::string_view text, double lowest,
                            double highest) {
    const double value = number(field, text);
    require(value > lowest && value < highest, named(field) + " needs a number above " +
                                                   framework::CStr(lowest) + " and below " +
                                                   framework::CStr(highest) + ".");
    return value;
}

std::int32_t FieldChecks::wholeNumber(std::string_view field, std::string_view text,
                                      std::int32_t lowest, std::int32_t highest) {
    const std::optional<double> value = framework::wholeTextNumber(text);
    const bool whole = value && isWholeNumber(*value) && *value >= lowest && *value <= highest;
    const std::string range =
        highest == std::numeric_limits<std::int32_t>::max()
            ? "of at least " + framework::CStr(lowest)
            : "from " + framework::CStr(lowest) + " to " + framework::CStr(highest);
    require(whole, named(field) + " needs a whole number " + range + ".");
    return whole ? static_cast<std::int32_t>(*value) : lowest;
}

std::int32_t FieldChecks::count(std::string_view field, std::string_view text,
                                std::string_view noun) {
    // An empty count field is the one empty field that runs: the count rule reads it as 100.
    const std::string_view typed = framework::trimBlanks(text);
    if (!typed.empty() && !framework::wholeTextNumber(typed)) {
        fail(named(field) + " needs a number.");
        return minimumCount;
    }
    const std::int32_t value = countFromField(typed);
    require(value <= maximumCount, tooManyNotice(noun));
    return value;
}

} // namespace analysis
