// Turns a wall-clock stamp (ms since the epoch, UTC) into the local date and
// time of day of the PC, as the measurement record shows it.
//
// The time-zone conversion is done at most once per distinct second and the
// result reused for the milliseconds of that second, so the per-report cost
// is a compare and a subtraction. A change of the time zone or of daylight
// saving is seen at the next second that has not been converted yet.
//
// Not thread-safe; one instance per user (the window keeps one).
#pragma once

#include "log/LogRecord.h"

#include <cstdint>
#include <limits>

namespace trv630 {

class LocalClock {
public:
    LocalDateTime at(std::int64_t msSinceEpoch);

private:
    std::int64_t cachedSecond_ = std::numeric_limits<std::int64_t>::min();
    LocalDateTime cached_;
};

} // namespace trv630
