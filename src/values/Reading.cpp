#include "values/Reading.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace trv630 {

namespace {

constexpr std::uint64_t pow10[] = {1, 10, 100, 1000, 10000};
constexpr std::uint64_t fixedLimit = 1'000'000'000'000'000ull; // 1e15: 16 integer digits

char16_t* writeUnsigned(char16_t* p, std::uint64_t v)
{
    char16_t tmp[20];
    int n = 0;
    do {
        tmp[n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0)
        *p++ = tmp[--n];
    return p;
}

char16_t* writeAscii(char16_t* p, const char* text)
{
    while (*text)
        *p++ = static_cast<char16_t>(*text++);
    return p;
}

/// The value q / 10^decimals, already rounded.
int writeFixed(char16_t* out, bool negative, std::uint64_t q, int decimals, char16_t sep)
{
    char16_t* p = out;
    if (negative && q != 0)
        *p++ = u'-';
    p = writeUnsigned(p, q / pow10[decimals]);
    if (decimals > 0) {
        *p++ = sep;
        std::uint64_t f = q % pow10[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = static_cast<char16_t>(u'0' + f % 10);
            f /= 10;
        }
        p += decimals;
    }
    return static_cast<int>(p - out);
}

/// Rounds the leading `keep` of the 18 digits half away from zero (the
/// first dropped digit decides). digits[] gets the kept digits, with a
/// carry out of the first digit shifting them and raising pointPos.
/// Returns the number of digits now held.
int roundDigits(int* digits, int keep, int& pointPos)
{
    if (keep < 0)
        return 0; // the cut lies above the first digit: rounds to zero
    const bool up = digits[keep] >= 5;
    if (!up)
        return keep;
    int i = keep - 1;
    while (i >= 0 && digits[i] == 9)
        digits[i--] = 0;
    if (i >= 0) {
        ++digits[i];
        return keep;
    }
    // Carry out of the first digit: 0.99.. -> 1.00..
    for (int k = keep; k > 0; --k)
        digits[k] = digits[k - 1];
    digits[0] = 1;
    ++pointPos;
    return keep + 1;
}

/// The general way: the 18-digit expansion from the C library (exact for
/// doubles), then the cut. Used for values beyond the integer fast path and
/// when the exact value lies so close to a rounding half that the 18-digit
/// expansion might decide differently.
int formatGeneral(char16_t* out, float value, int decimals, char16_t sep)
{
    const bool negative = std::signbit(value);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17e", std::abs(static_cast<double>(value)));
    int expansion[19] = {};
    expansion[0] = buf[0] - '0';
    for (int i = 1; i < 18; ++i)
        expansion[i] = buf[i + 1] - '0';
    const int exponent = std::atoi(buf + 20);

    int digits[19];
    std::copy(std::begin(expansion), std::end(expansion), digits);
    int pointPos = exponent + 1; // digits before the decimal point
    int held = roundDigits(digits, std::min(pointPos + decimals, 15), pointPos);

    char16_t* p = out;
    const bool allZero = std::all_of(digits, digits + held, [](int d) { return d == 0; });
    if (negative && !allZero)
        *p++ = u'-';

    if (pointPos > 15) {
        // Exponent notation with 15 significant digits, trailing zeros off.
        std::copy(std::begin(expansion), std::end(expansion), digits);
        pointPos = exponent + 1;
        held = roundDigits(digits, 15, pointPos);
        while (held > 1 && digits[held - 1] == 0)
            --held;
        *p++ = static_cast<char16_t>(u'0' + digits[0]);
        if (held > 1) {
            *p++ = sep;
            for (int i = 1; i < held; ++i)
                *p++ = static_cast<char16_t>(u'0' + digits[i]);
        }
        *p++ = u'E';
        p = writeUnsigned(p, static_cast<std::uint64_t>(pointPos - 1));
        return static_cast<int>(p - out);
    }

    const auto digitAt = [&](int k) { return k >= 0 && k < held ? digits[k] : 0; };
    if (pointPos <= 0)
        *p++ = u'0';
    for (int k = 0; k < pointPos; ++k)
        *p++ = static_cast<char16_t>(u'0' + digitAt(k));
    if (decimals > 0) {
        *p++ = sep;
        for (int f = 0; f < decimals; ++f)
            *p++ = static_cast<char16_t>(u'0' + digitAt(pointPos + f));
    }
    return static_cast<int>(p - out);
}

} // namespace

int formatReadingTo(char16_t* out, float value, int decimals, char16_t sep)
{
    decimals = std::clamp(decimals, 0, 4);
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const bool negative = (bits >> 31) != 0;
    const std::uint32_t exponentBits = (bits >> 23) & 0xFF;
    const std::uint32_t fraction = bits & 0x7FFFFF;
    if (exponentBits == 0xFF) {
        if (fraction != 0)
            return static_cast<int>(writeAscii(out, "NAN") - out);
        return static_cast<int>(writeAscii(out, negative ? "-INF" : "INF") - out);
    }
    // value = m * 2^e exactly.
    const std::uint64_t m = exponentBits == 0 ? fraction : (fraction | 0x800000u);
    const int e = exponentBits == 0 ? -149 : static_cast<int>(exponentBits) - 150;
    if (m == 0)
        return writeFixed(out, false, 0, decimals, sep);

    if (e >= 0) {
        // An integer: below 1e15 its 18-digit expansion is the integer itself.
        if (e <= 26) {
            const std::uint64_t v = m << e;
            if (v < fixedLimit)
                return writeFixed(out, negative, v * pow10[decimals], decimals, sep);
        }
        return formatGeneral(out, value, decimals, sep);
    }

    const int s = -e;
    if (s >= 64) // below 2^-40: zero at 4 decimals
        return writeFixed(out, negative, 0, decimals, sep);
    // value * 10^decimals = scaled / 2^s, scaled < 2^38. Below 2^24 the
    // integer part has at most 8 digits, so the 15-digit cut never comes
    // first and the 18-digit expansion is within 5e-7 of a cut unit of the
    // exact value: away from a half by more than 2^-20 both round alike.
    const std::uint64_t scaled = m * pow10[decimals];
    const std::uint64_t q = scaled >> s;
    const std::uint64_t r = scaled & ((std::uint64_t{1} << s) - 1);
    const std::uint64_t half = std::uint64_t{1} << (s - 1);
    if (r == half)
        return writeFixed(out, negative, q + 1, decimals, sep); // exact tie: away from zero
    const std::uint64_t distance = r > half ? r - half : half - r;
    if ((static_cast<unsigned __int128>(distance) << 20) <= (static_cast<unsigned __int128>(1) << s))
        return formatGeneral(out, value, decimals, sep);
    return writeFixed(out, negative, q + (r > half ? 1 : 0), decimals, sep);
}

QString formatReading(float value, int decimals, QChar decimalSeparator)
{
    char16_t buf[maxReadingLength];
    const int n = formatReadingTo(buf, value, decimals, decimalSeparator.unicode());
    return QString(reinterpret_cast<const QChar*>(buf), n);
}

void appendReading(QString& out, float value, int decimals, QChar decimalSeparator)
{
    char16_t buf[maxReadingLength];
    const int n = formatReadingTo(buf, value, decimals, decimalSeparator.unicode());
    out.append(reinterpret_cast<const QChar*>(buf), n);
}

ReadingFormatter::ReadingFormatter(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    separator_ = point.isEmpty() ? QChar(u'.') : point.front();
}

} // namespace trv630
