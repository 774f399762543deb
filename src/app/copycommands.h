#pragma once

#include "data/textpaste.h"

#include <optional>
#include <string>

namespace Module1 {

// Copy Data, Copy DV Data and Copy Phase Data: the clipboard text of the column(s), with cps
// ending each line. Nothing, after a notice naming the row, when a cell holds a tab or a line
// break: pasted back, it would shift the rows or lose its value.
std::optional<std::string> copyCommand(PasteColumns columns);

} // namespace Module1
