#pragma once

#include "data/textpaste.h"

#include <string_view>

namespace Module1 {

// Paste Data, Paste DV Data and Paste Phase Data: asks before the clipboard text replaces the
// column(s), and says so afterwards when the text held more lines of data than the grid has rows.
// A clipboard with no value for the column(s) is only noticed: nothing is asked or changed.
void pasteCommand(std::string_view clipboardText, PasteColumns columns);

} // namespace Module1
