#include "framework/conversions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace framework {

std::string CStr(std::int32_t value) {
    return std::to_string(value);
}

std::string CStr(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Inf" : "-Inf";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    return buffer;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Length of the numeric prefix of the text, 0 when there is none.
std::size_t numericPrefixLength(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t integerStart = at;
    at = skipDigits(text, at);
    bool anyDigit = at > integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = at + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        if (anyDigit || fractionEnd > fractionStart) {
            anyDigit = true;
            at = fractionEnd;
        }
    }
    if (!anyDigit) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            at = exponentEnd;
        }
    }
    return at;
}

// Whether a number of the numeric-prefix form is 1 or more in magnitude: its first significant
// digit stands before the point once the exponent has moved it.
bool isLargeMagnitude(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negativeExponent = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            digits.remove_prefix(1);
        }
        for (char digit : digits) {
            exponent = std::min(exponent * 10 + (digit - '0'), 1000000LL);
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::string_view integerPart = mantissa.substr(0, point);
    const std::size_t firstSignificant = integerPart.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos) {
        return exponent + static_cast<long long>(integerPart.size() - firstSignificant) > 0;
    }
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const std::size_t firstFractionSignificant = fraction.find_first_not_of('0');
    return firstFractionSignificant != std::string_view::npos &&
           exponent - static_cast<long long>(firstFractionSignificant) > 0;
}

} // namespace

double CDbl(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    text.remove_prefix(start);
    const std::size_t length = numericPrefixLength(text);
    if (length == 0) {
        return 0.0;
    }
    std::string_view number = text.substr(0, length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large to hold reads as infinity, too small as zero, never as an arbitrary 0.
        value = isLargeMagnitude(number) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::optional<double> wholeTextNumber(std::string_view text) {
    const std::string_view number = trimBlanks(text);
    if (number.empty() || number.front() == '+' || numericPrefixLength(number) != number.size()) {
        return std::nullopt;
    }
    return CDbl(number);
}

std::string Format(double value, std::string_view mask) {
    if (std::isnan(value) || std::isinf(value)) {
        return CStr(value);
    }
    const bool showPlus = !mask.empty() && mask.front() == '+';
    if (showPlus) {
        mask.remove_prefix(1);
    }
    const std::size_t point = mask.find('.');
    const std::string_view integerMask = mask.substr(0, point);
    const std::string_view fractionMask =
        point == std::string_view::npos ? std::string_view{} : mask.substr(point + 1);

    int places = 0;
    int requiredPlaces = 0;
    for (char c : fractionMask) {
        if (c == '0' || c == '#') {
            ++places;
        }
        if (c == '0') {
            ++requiredPlaces;
        }
    }
    int requiredIntegerDigits = 0;
    for (char c : integerMask) {
        if (c == '0') {
            ++requiredIntegerDigits;
        }
    }

    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, std::fabs(value));
    std::string digits = buffer;
    std::string integerDigits = digits.substr(0, digits.find('.'));
    std::string fractionDigits = places > 0 ? digits.substr(digits.find('.') + 1) : std::string{};

    const bool roundsToZero = digits.find_first_not_of("0.") == std::string::npos;
    // A value that rounds to zero carries no minus sign: "-0.00" would read as a negative result.
    std::string sign;
    if (value < 0 && !roundsToZero) {
        sign = "-";
    } else if (showPlus) {
        sign = "+";
    }

    while (static_cast<int>(fractionDigits.size()) > requiredPlaces &&
           fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }
    if (integerDigits == "0") {
        integerDigits.clear();
    }
    while (static_cast<int>(integerDigits.size()) < requiredIntegerDigits) {
        integerDigits.insert(integerDigits.begin(), '0');
    }

    std::string result = sign + integerDigits;
    if (!fractionDigits.empty()) {
        result += '.';
        result += fractionDigits;
    }
    if (result.empty() || result == "+" || result == "-") {
        result += '0';
    }
    return result;
}

std::int32_t toInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace framework
