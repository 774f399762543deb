#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// The checks a dialog makes of its fields when OK is pressed, before anything is written. Each
// check reads the field's whole text as a number (framework::wholeTextNumber), so a typo never
// runs as the number it begins with, and returns the value; the first field that fails leaves
// its notice, which names the field and what it needs, and later checks only return values.
class FieldChecks {
  public:
    // A finite number.
    double number(std::string_view field, std::string_view text);
    // A finite number above lowest.
    double above(std::string_view field, std::string_view text, double lowest);
    // A number strictly between lowest and highest.
    double between(std::string_view field, std::string_view text, double lowest, double highest);
    // A whole number from lowest to highest.
    std::int32_t wholeNumber(std::string_view field, std::string_view text, std::int32_t lowest,
                             std::int32_t highest = std::numeric_limits<std::int32_t>::max());
    // An iteration or simulation count by the count rule: an empty field, or a number below 100,
    // runs 100; more than 1,000,000 is refused. noun names the count in that refusal.
    std::int32_t count(std::string_view field, std::string_view text, std::string_view noun);
    // Any other condition, with its own notice.
    void require(bool holds, std::string_view notice);

    bool passed() const { return !notice_; }
    const std::string& notice() const { return *notice_; }

  private:
    void fail(std::string notice);

    std::optional<std::string> notice_;
};

// True when value is a whole number that an int32 holds.
bool isWholeNumber(double value);

} // namespace analysis
