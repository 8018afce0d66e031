#include "log/LocalClock.h"

#include <QDateTime>

namespace trv630 {

LocalDateTime LocalClock::at(std::int64_t msSinceEpoch)
{
    // Floor division, so stamps before 1970 keep their milliseconds positive.
    std::int64_t second = msSinceEpoch / 1000;
    int ms = static_cast<int>(msSinceEpoch % 1000);
    if (ms < 0) {
        ms += 1000;
        --second;
    }
    if (second != cachedSecond_) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(second, Qt::LocalTime);
        const QDate d = local.date();
        const QTime t = local.time();
        cached_ = {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), 0};
        cachedSecond_ = second;
    }
    LocalDateTime result = cached_;
    result.millisecond = ms;
    return result;
}

} // namespace trv630
