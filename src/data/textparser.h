#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Tab-delimited text as lines of fields. A carriage return, a line feed and the pair of the two
// each end one line, so text from any platform reads the same; a line break at the very end ends
// the last line and starts no new one. Tabs separate fields; there is no quoting, and every other
// character, blanks included, belongs to its field. Empty text has no lines.
using TextLines = std::vector<std::vector<std::string>>;

struct TextTable {
    TextLines lines; // the first keptLines lines, each with at most its first keptFields fields
    bool moreData = false; // a later line holds a non-blank text in one of its first keptFields
};

// Only what is kept is copied out of the text, so a text of any size costs memory for the kept
// lines alone.
TextTable parseTabDelimitedText(std::string_view text, std::size_t keptLines,
                                std::size_t keptFields);
