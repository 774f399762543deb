#include "app/pastecommands.h"

#include "analysis/alert.h"
#include "data/module1.h"

namespace Module1 {

void pasteCommand(std::string_view clipboardText, PasteColumns columns) {
    if (!ask("Are you sure you want to replace the data with the text from the clipboard?",
             "Replace")) {
        return;
    }
    if (pasteText(grid(), clipboardText, columns)) {
        notify("Only the first 199 rows were read.");
    }
}

} // namespace Module1
