#include "crosscorrelation/crosslagdata.h"

#include "analysis/fieldchecks.h"
#include "analysis/modelfields.h"
#include "analysis/procedures.h"
#include "data/module1.h"
#include "framework/conversions.h"

#include <algorithm>
#include <optional>

namespace Module1 {

void loadcrosspairs() {
    loadvectors();
    std::copy_n(v1.begin() + 1, n, v[0].begin() + 1);
    std::copy_n(v2.begin() + 1, n, v[1].begin() + 1);
    phasen[0] = n;
    phasen[1] = n;
}

bool acceptablelag(std::string_view lagText, std::int32_t pairs) {
    const std::optional<double> lag = framework::wholeTextNumber(lagText);
    return lag && analysis::isWholeNumber(*lag) && *lag >= 0.0 && *lag < pairs - 2.0;
}

std::string estimatetext(std::int32_t series, std::string_view lagText) {
    const std::int32_t lag = framework::toInt32(framework::CDbl(lagText));
    return analysis::estimateText(quickautocorr(series, lag));
}

} // namespace Module1
