// Unit suffixes of the indicator texts: mode units, user unit texts, the
// blank before "sek"/"min", and the whole text of each kind.
#include "values/UnitTexts.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

struct SuffixCase {
    const char* unit; // user unit text ("" = none)
    int mode;
    const char* analog;
    const char* position;
    const char* velocity;
};

// clang-format off
const SuffixCase suffixCases[] = {
    {"",     0, " [V]",    " [obr]",  " [obr/sek]"},
    {"",     1, " [mA]",   " [obr]",  " [obr/min]"},
    {"",     2, " [mA]",   " [mm]",   " [mm/sek]"},
    {"",     3, " [mA]",   " [mm]",   " [mm/min]"},
    {"mm",   0, " [mm]",   " [mm]",   " [mm/ sek]"},
    {"mm",   1, " [mm]",   " [mm]",   " [mm/ min]"},
    {"mm",   2, " [mm]",   " [mm]",   " [mm/ sek]"},
    {"mm",   3, " [mm]",   " [mm]",   " [mm/ min]"},
    {"  ",   1, " [  ]",   " [  ]",   " [  / min]"},
    {"[x]",  0, " [[x]]",  " [[x]]",  " [[x]/ sek]"},
    {"ąę",   2, " [ąę]",   " [ąę]",   " [ąę/ sek]"},
};
// clang-format on

TEST(UnitTexts, SuffixTables)
{
    for (const SuffixCase& c : suffixCases) {
        const QString unit = QString::fromUtf8(c.unit);
        const auto mode = static_cast<std::uint8_t>(c.mode);
        SCOPED_TRACE(::testing::Message() << '"' << c.unit << "\" mode " << c.mode);
        EXPECT_EQ(trv630::analogSuffix(unit, mode), QString::fromUtf8(c.analog));
        EXPECT_EQ(trv630::positionSuffix(unit, mode), QString::fromUtf8(c.position));
        EXPECT_EQ(trv630::velocitySuffix(unit, mode), QString::fromUtf8(c.velocity));
    }
}

TEST(UnitTexts, MathSuffixHasNoFallbackAndNamesAreBracketed)
{
    EXPECT_EQ(trv630::mathSuffix(QStringLiteral("...")), QStringLiteral(" [...]"));
    EXPECT_EQ(trv630::mathSuffix(QString()), QStringLiteral(" []"));
    EXPECT_EQ(trv630::mathNameCaption(QStringLiteral("...")), QStringLiteral("[...]"));
    EXPECT_EQ(trv630::mathNameCaption(QStringLiteral(" a ")), QStringLiteral("[ a ]"));
    EXPECT_EQ(trv630::mathNameCaption(QString()), QStringLiteral("[]"));
}

TEST(UnitTexts, WholeTextIsBlankNumberSuffix)
{
    trv630::MeasurementFrame f;
    f.analog[1] = {1, 9.0f, -0.125f};
    f.encoder[1] = {2, -1.5f, 2.0f};
    f.math[0] = std::numeric_limits<float>::quiet_NaN();
    const trv630::ReadingStyle comma{2, u','};
    EXPECT_EQ(trv630::analogText(f, 1, QString(), comma), QStringLiteral(" -0,13 [mA]")); // average, not value
    EXPECT_EQ(trv630::analogText(f, 0, QString(), {0, u'.'}), QStringLiteral(" 0 [V]"));
    EXPECT_EQ(trv630::positionText(f, 1, QString(), comma), QStringLiteral(" 2,00 [mm]"));
    EXPECT_EQ(trv630::velocityText(f, 1, QStringLiteral("cm"), {1, u'.'}), QStringLiteral(" -1.5 [cm/ sek]"));
    EXPECT_EQ(trv630::mathText(f, 0, QStringLiteral("..."), comma), QStringLiteral(" NAN [...]"));
    EXPECT_EQ(trv630::mathText(f, 1, QString(), {4, u','}), QStringLiteral(" 0,0000 []"));
}

} // namespace
