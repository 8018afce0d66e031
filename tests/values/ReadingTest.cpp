// Number texts of measured values: rounding, sign, widths, special values,
// both separators.
#include "values/Reading.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include <gtest/gtest.h>

using trv630::formatReading;

namespace {

struct Case {
    float value;
    int decimals;
    const char* text; // with "." as the separator
};

constexpr float inf = std::numeric_limits<float>::infinity();

// clang-format off
const Case cases[] = {
    // ties go away from zero
    {0.125f,        2, "0.13"},
    {-0.125f,       2, "-0.13"},
    {2.5f,          0, "3"},
    {-2.5f,         0, "-3"},
    {0.5f,          0, "1"},
    {1.5f,          0, "2"},
    {0.0625f,       3, "0.063"},
    // the float below a decimal tie rounds down
    {0.145f,        2, "0.14"},     // 0.14499999582767487
    {1.005f,        2, "1.00"},     // 1.00499999523162842
    {0.3f,          4, "0.3000"},
    // no minus for a value that rounds to zero
    {-0.004f,       2, "0.00"},
    {-0.0f,         2, "0.00"},
    {-0.4f,         0, "0"},
    {-0.00005f,     4, "0.0000"},   // -4.99999987e-05
    {-0.00015f,     4, "-0.0002"},  // -1.50000007e-04
    {-0.00004f,     4, "0.0000"},
    {0.0f,          0, "0"},
    {0.0f,          4, "0.0000"},
    // tiny values, subnormals
    {1e-30f,        4, "0.0000"},
    {-1e-30f,       2, "0.00"},
    {1e-45f,        1, "0.0"},
    {std::numeric_limits<float>::min(), 4, "0.0000"},
    {0.0006f,       3, "0.001"},
    {0.00006f,      3, "0.000"},
    // every width of decimals
    {3.14159265f,   0, "3"},
    {3.14159265f,   1, "3.1"},
    {3.14159265f,   2, "3.14"},
    {3.14159265f,   3, "3.142"},
    {3.14159265f,   4, "3.1416"},
    {-12.3456f,     2, "-12.35"},
    {9.995f,        2, "9.99"},     // 9.99499988555908203
    {9.9951f,       2, "10.00"},
    {99.99999f,     4, "100.0000"}, // 99.9999923706054688
    {-999.99995f,   4, "-999.9999"}, // -999.999938964843750
    {-999.99997f,   4, "-1000.0000"},
    // larger values: no grouping, integers exact
    {1234567.0f,    2, "1234567.00"},
    {16777216.0f,   1, "16777216.0"},
    {16777217.0f,   0, "16777216"},
    {123456789.0f,  2, "123456792.00"},
    {1e10f,         4, "10000000000.0000"},
    // 15 significant digits come before the decimals
    {123456789012.0f, 4, "123456790528.0000"},
    {3.0e14f,       4, "300000009519104.0000"},
    {999999986991104.0f, 2, "999999986991104.00"},
    {-1e13f,        3, "-9999999827968.000"},
    // a float of 16 or more integer digits: exponent notation, 15 digits
    {1e15f,         2, "999999986991104.00"},
    {1e16f,         2, "1.00000002725642E16"},
    {1e20f,         2, "1.00000002004088E20"},
    {1.5e20f,       0, "1.50000003006132E20"},
    {-3.4028235e38f, 4, "-3.40282346638529E38"},
    {1099511627776.0f * 1024.0f * 1024.0f, 2, "1.15292150460685E18"}, // 2^60
    {4503599627370496.0f, 1, "4.5035996273705E15"},                   // 2^52
    // special values
    {inf,           2, "INF"},
    {-inf,          0, "-INF"},
    {std::numeric_limits<float>::quiet_NaN(), 2, "NAN"},
    {-std::numeric_limits<float>::quiet_NaN(), 4, "NAN"},
    // decimals outside 0 to 4 are taken as the nearest
    {1.23456f,      7, "1.2346"},
    {1.5f,          -1, "2"},
};
// clang-format on

TEST(FormatReading, TableOfCases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " at " << c.decimals);
        EXPECT_EQ(formatReading(c.value, c.decimals, u'.'), QString::fromLatin1(c.text));
    }
}

TEST(FormatReading, CommaSeparatorReplacesThePointOnly)
{
    for (const Case& c : cases) {
        QString expected = QString::fromLatin1(c.text);
        expected.replace(u'.', u',');
        EXPECT_EQ(formatReading(c.value, c.decimals, u','), expected) << c.text;
    }
}

TEST(FormatReading, SeparatorComesFromTheLocale)
{
    EXPECT_EQ(trv630::ReadingFormatter(QLocale(QLocale::Polish))(0.125f, 2), QStringLiteral("0,13"));
    EXPECT_EQ(trv630::ReadingFormatter(QLocale(QLocale::English))(0.125f, 2), QStringLiteral("0.13"));
    QString out = QStringLiteral("x;");
    trv630::ReadingFormatter(QChar(u',')).append(out, -1.5f, 1);
    EXPECT_EQ(out, QStringLiteral("x;-1,5"));
}

TEST(FormatReading, DecimalsOfDivBoxPosition)
{
    EXPECT_EQ(trv630::decimalsForPosition(0), 0);
    EXPECT_EQ(trv630::decimalsForPosition(4), 4);
    EXPECT_EQ(trv630::decimalsForPosition(-1), 2);
    EXPECT_EQ(trv630::decimalsForPosition(5), 2);
}

// The fast integer path against the 18-digit expansion done by the C
// library, over many floats of all magnitudes the fast path serves, and
// around decimal ties.
std::string reference(float value, int decimals)
{
    if (std::isnan(value))
        return "NAN";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17e", std::abs(static_cast<double>(value)));
    // digits and point position of the 18-digit expansion
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 17);
    int pointPos = std::atoi(buf + 20) + 1;
    const int keep = std::min(pointPos + decimals, 15);
    std::string kept = keep > 0 ? digits.substr(0, keep) : std::string();
    if (keep >= 0 && digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else {
            kept.insert(kept.begin(), '1');
            ++pointPos;
        }
    }
    std::string text;
    const auto at = [&](int k) { return k >= 0 && k < int(kept.size()) ? kept[k] : '0'; };
    for (int k = 0; k < pointPos; ++k)
        text += at(k);
    if (text.empty())
        text = "0";
    if (decimals > 0) {
        text += '.';
        for (int f = 0; f < decimals; ++f)
            text += at(pointPos + f);
    }
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    return (std::signbit(value) && !zero ? "-" : "") + text;
}

TEST(FormatReading, AgreesWithTheExpansionOverRandomFloats)
{
    std::mt19937 rng(630);
    std::uniform_int_distribution<std::uint32_t> anyBits;
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-12, 14);
    for (int i = 0; i < 200000; ++i) {
        float v = mantissa(rng) * std::pow(10.0f, float(exponent(rng)));
        if (i % 4 == 0) { // around ties: k + 0.5 at some decimals, nudged
            const int d = i % 5;
            v = (std::floor(mantissa(rng) * 20000.0f) + 0.5f) / std::pow(10.0f, float(d));
            v = std::nextafter(v, (i & 8) ? inf : -inf);
        } else if (i % 4 == 1) {
            v = std::bit_cast<float>(anyBits(rng));
            if (std::isinf(v) || std::abs(v) >= 1e15f)
                continue;
        }
        const int decimals = i % 5;
        ASSERT_EQ(formatReading(v, decimals, u'.').toStdString(), reference(v, decimals))
            << "value bits " << std::bit_cast<std::uint32_t>(v) << " decimals " << decimals;
    }
}

} // namespace
