#include "app/pastecommands.h"

#include "analysis/alert.h"
#include "data/module1.h"

namespace Module1 {

void pasteCommand(std::string_view clipboardText, PasteColumns columns) {
    // Replacing the data with nothing would only empty the column(s): there is nothing to ask.
    if (!holdsValues(clipboardText, columns)) {
        notify("There is nothing on the clipboard to paste.");
        return;
    }
    if (!ask("Are you sure you want to replace the data with the text from the clipboard?",
             "Replace")) {
        return;
    }
    if (pasteText(grid(), clipboardText, columns)) {
        notify("Only the first 199 rows were read.");
    }
}

} // namespace Module1
