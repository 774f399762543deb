#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// The checks a dialog makes of its fields when OK is pressed, before anything is written. Each
// check reads the field's text as CDbl does and returns the value; the first field that fails
// leaves its notice, which names the field and what it needs, and later checks only return
// their values.
class FieldChecks {
  public:
    // A finite number.
    double number(std::string_view field, std::string_view text);
    // A finite number above lowest.
    double above(std::string_view field, std::string_view text, double lowest);
    // A number strictly between lowest and highest.
    double between(std::string_view field, std::string_view text, double lowest, double highest);
    // A whole number of at least lowest.
    std::int32_t wholeNumber(std::string_view field, std::string_view text, std::int32_t lowest);
    // An iteration or simulation count: at least 100 (below runs 100), at most 1,000,000.
    std::int32_t count(std::string_view text, std::string_view noun);
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
