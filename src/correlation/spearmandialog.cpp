#include "correlation/spearmandialog.h"

spearman::spearman()
    : IterationsDialog({"Bootstrapped Rho",
                        {241, 71},
                        {153, 9, 69, 20},
                        {153, 38, 69, 20},
                        {49, 33, 66, 18},
                        {-6, 9, 121, 20}},
                       Module1::spearmanrho) {}
