// The report-rate text of the status bar: reports per millisecond (kHz).
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace trv630 {

/// count / intervalMs in fixed-point notation with exactly four decimals
/// (the quotient taken to at most 15 significant digits first), the
/// locale's decimal separator and no digit grouping, then " kHz".
/// 1000 reports in 333 ms: "3,0030 kHz" (Polish) or "3.0030 kHz" (English).
/// A non-positive interval counts as no time at all: "0,0000 kHz".
QString rateText(std::uint32_t count, int intervalMs, const QLocale& locale = QLocale());

} // namespace trv630
