#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number <-> text conversions shared by every part of the program. They never use the user's
// locale, so a data file or report reads the same on every machine.
namespace framework {

// Plain decimal digits, "-" first when negative.
std::string CStr(std::int32_t value);

// At most 7 significant digits, no trailing zeros or point ("0.8", "5", "1.5e-06");
// "NaN", "Inf" and "-Inf" for the values that are not finite.
std::string CStr(double value);

// The longest numeric prefix after leading blanks (sign, digits, point, digits, exponent);
// 0 when the text holds no such prefix. "nan", "inf" and hexadecimal are never numbers.
double CDbl(std::string_view text);

// What a field's whole text reads as, the blanks around it aside: digits with at most one point,
// an optional leading "-" and an optional exponent (e or E, an optional sign, digits), read as
// CDbl reads them. Nothing for any other text, the empty text included.
std::optional<double> wholeTextNumber(std::string_view text);

// Mask formatting: "0" a digit always shown, "#" a digit shown only when significant, "." the
// point, a leading "+" shows the sign of either sign. Values that are not finite print as CStr
// prints them ("NaN", "Inf", "-Inf") whatever the mask.
std::string Format(double value, std::string_view mask);

// Truncation toward zero; not-a-number gives 0 and values beyond the int32 range saturate.
std::int32_t toInt32(double value);

// The text with its surrounding blanks (spaces and tabs) removed.
std::string_view trimBlanks(std::string_view text);

} // namespace framework
