#pragma once

namespace Module1 {

// Asks about unsaved output, then about unsaved data; true when the program may end.
// Confirming the output question marks the output saved even when the data question is declined.
bool confirmQuit();

} // namespace Module1
