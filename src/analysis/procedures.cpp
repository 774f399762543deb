#include "analysis/procedures.h"

#include "analysis/correlationbasics.h"
#include "data/module1.h"
#include "framework/runtime.h"

#include <span>
#include <stdexcept>
#include <utility>

namespace Module1 {

namespace {

// Elements 1..count of a module array; a count beyond its bounds is the caller's fault.
template <typename Array> auto elements(Array& array, std::int32_t count) {
    if (count < 0 || static_cast<std::size_t>(count) >= array.size()) {
        throw std::out_of_range("index outside the array's bounds");
    }
    return std::span(array).subspan(1, static_cast<std::size_t>(count));
}

} // namespace

// The procedures that loop over a series let the event loop in once per call rather than once
// per element: a call takes microseconds, and the throttled yield keeps the windows live either
// way. The rho of ready ranks has no loop worth a yield.
double pearsonr() {
    framework::RuntimeBackgroundTask();
    return analysis::pearsonR(elements(std::as_const(vq), n), elements(std::as_const(vvq), n));
}

double quickautocorr(std::int32_t series, std::int32_t lag) {
    framework::RuntimeBackgroundTask();
    return analysis::lagAutocorrelation(elements(std::as_const(v.at(series)), phasen.at(series)),
                                        lag);
}

void getranks(std::int32_t col) {
    framework::RuntimeBackgroundTask();
    const Series& source = col == 1 ? vr1 : vr2;
    if (n <= 0) {
        stx.at(col) = 0.0;
        return;
    }
    stx.at(col) = analysis::averageRanks(elements(source, n), elements(vrank.at(col), n));
}

double tiecorrectedrho() {
    return analysis::tieCorrectedRho(elements(std::as_const(vrank[1]), n),
                                     elements(std::as_const(vrank[2]), n), stx[1], stx[2]);
}

} // namespace Module1
