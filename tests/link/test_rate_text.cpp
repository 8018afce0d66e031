// The report-rate text of status panel 2.
#include "link/RateText.h"

#include <gtest/gtest.h>

using namespace trv630;

namespace {
struct RateCase {
    std::uint32_t count;
    int intervalMs;
    const char* polish;
    const char* english;
};
const RateCase rateCases[] = {
    {1000, 333, "3,0030 kHz", "3.0030 kHz"},
    {0, 333, "0,0000 kHz", "0.0000 kHz"},
    {1, 333, "0,0030 kHz", "0.0030 kHz"},
    {333, 333, "1,0000 kHz", "1.0000 kHz"},
    {2664, 333, "8,0000 kHz", "8.0000 kHz"},
    {5, 8, "0,6250 kHz", "0.6250 kHz"},       // 0.625 exactly: no rounding question
    {1, 3, "0,3333 kHz", "0.3333 kHz"},
    {2, 3, "0,6667 kHz", "0.6667 kHz"},
    {4294967295u, 333, "12897799,6847 kHz", "12897799.6847 kHz"}, // no digit grouping
    {4294967295u, 1, "4294967295,0000 kHz", "4294967295.0000 kHz"},
    {10, 0, "0,0000 kHz", "0.0000 kHz"},
    {10, -5, "0,0000 kHz", "0.0000 kHz"},
};
} // namespace

TEST(RateText, KilohertzWithFourDecimalsAndTheRegionalSeparator)
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const RateCase& c : rateCases) {
        SCOPED_TRACE(std::to_string(c.count) + " / " + std::to_string(c.intervalMs));
        EXPECT_EQ(rateText(c.count, c.intervalMs, polish), QString::fromUtf8(c.polish));
        EXPECT_EQ(rateText(c.count, c.intervalMs, english), QString::fromUtf8(c.english));
    }
}

TEST(RateText, DefaultLocaleIsTheRegionalSetting)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(rateText(1000, 333), QStringLiteral("3,0030 kHz"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(rateText(1000, 333), QStringLiteral("3.0030 kHz"));
    QLocale::setDefault(saved);
}
