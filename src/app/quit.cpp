#include "app/quit.h"

#include "analysis/alert.h"
#include "data/module1.h"

namespace Module1 {

bool confirmQuit() {
    if (!outputsaved) {
        if (!ask("Are you sure you want to Quit without saving your output?", "Quit")) {
            return false;
        }
        outputsaved = true;
    }
    return datasaved || ask("Are you sure you want to Quit without saving your data?", "Quit");
}

} // namespace Module1
