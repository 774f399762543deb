#pragma once

#include <cstdint>

namespace framework {

// Milliseconds of a monotonic clock that is cheap to read but only a few milliseconds fine.
// Loops ask it on every pass to decide whether to let events run, so it must cost next to
// nothing; a precise clock read can cost a microsecond on a virtual machine.
std::int64_t coarseMilliseconds();

} // namespace framework
