// The number rules of the parameter edit boxes, and the octets of a masked
// address text.
#include "app/Errors.h"
#include "app/ParameterInput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace trv630;

TEST(ParameterInput, IntegerTexts)
{
    const struct { const char* text; std::optional<std::int32_t> value; } cases[] = {
        {"800", 800},          {"-5", -5},       {"+7", 7},     {" 12 ", 12},        {"0800", 800},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},  {"12a", std::nullopt}, {"", std::nullopt}, {"1,5", std::nullopt},
        {"1.0", std::nullopt},  {"--1", std::nullopt}, {"1 2", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseIntText(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
}

TEST(ParameterInput, NumberTextsWithEitherSeparator)
{
    const struct { const char* text; char separator; std::optional<float> value; } cases[] = {
        {"1,5", ',', 1.5f},   {"1.5", '.', 1.5f},   {"1.5", ',', std::nullopt}, {"1,5", '.', std::nullopt},
        {"-2", ',', -2.0f},   {",5", ',', 0.5f},    {"3,", ',', 3.0f},          {"1e3", '.', 1000.0f},
        {"2,5E-1", ',', 0.25f}, {" 7 ", '.', 7.0f}, {"0.1", '.', 0.1f},         {"", '.', std::nullopt},
        {"12a", '.', std::nullopt}, {"1e39", '.', std::nullopt}, {"inf", '.', std::nullopt},
        {"nan", '.', std::nullopt}, {"1 000", ',', std::nullopt}, {"1,000.5", '.', std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseFloatText(QString::fromLatin1(c.text), QChar::fromLatin1(c.separator)), c.value)
            << '"' << c.text << "\" with '" << c.separator << "'";
}

TEST(ParameterInput, AddressOctets)
{
    EXPECT_EQ(addressOctets("192.168.000.002"), (std::array<int, 4>{192, 168, 0, 2}));
    EXPECT_EQ(addressOctets("10 .0  .0  .7  "), (std::array<int, 4>{10, 0, 0, 7}));
    EXPECT_EQ(addressOctets("300.999.256.000"), (std::array<int, 4>{300, 999, 256, 0})); // range checked by the caller
    for (const char* bad : {"   .   .   .   ", "", "1 2.3.4.5", "192.168.000", "a  .1  .1  .1  "}) {
        EXPECT_THROW(addressOctets(QString::fromLatin1(bad)), Error) << '"' << bad << '"';
    }
}
