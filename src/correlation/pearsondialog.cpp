#include "correlation/pearsondialog.h"

pearson::pearson()
    : IterationsDialog({"Bootstrapped Pearson-r",
                        {243, 83},
                        {147, 11, 69, 20},
                        {147, 40, 69, 20},
                        {60, 36, 66, 18},
                        {5, 11, 121, 20}},
                       Module1::runpearson) {}
