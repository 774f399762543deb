#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tab-delimited text as lines of fields. A carriage return, a line feed and the pair of the two
// each end one line, so text from any platform reads the same; a line break at the very end ends
// the last line and starts no new one. Tabs separate fields; there is no quoting, and every other
// character, blanks included, belongs to its field. Empty text has no lines.
using TextLines = std::vector<std::vector<std::string>>;

TextLines parseTabDelimitedText(std::string_view text);
