// The number text of one measured value.
//
// Fixed-point notation: "-" for a negative value, at least one digit before
// the decimal separator, exactly `decimals` digits after it (no separator at
// 0 decimals), no digit grouping. The float is expanded to 18 significant
// digits, then cut at `decimals` places or at 15 significant digits,
// whichever comes first (places after a 15-digit cut are zeros), rounding
// half away from zero on that expansion. A value whose rounded digits are
// all zero has no minus sign. A value whose integer part needs more than 15
// digits is written in exponent notation ("1E20", "-3,40282346638529E38").
// Infinities are "INF" / "-INF", not-a-number "NAN".
//
// Pure functions, no locale look-ups: the caller passes the separator
// (ReadingFormatter caches the one of the user's regional settings).
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

namespace trv630 {

/// Longest text formatReadingTo writes.
inline constexpr int maxReadingLength = 32;

/// Writes the text into out (room for maxReadingLength characters) and
/// returns its length. decimals outside 0 to 4 is taken as the nearest.
int formatReadingTo(char16_t* out, float value, int decimals, char16_t decimalSeparator);

QString formatReading(float value, int decimals, QChar decimalSeparator);

/// Appends the text to out (no temporary string).
void appendReading(QString& out, float value, int decimals, QChar decimalSeparator);

/// The decimals count of a DivBox position: 0 to 4 as selected; any other
/// position (a stored Point outside 0 to 4 leaves no selection) gives 2.
inline int decimalsForPosition(int position)
{
    return position >= 0 && position <= 4 ? position : 2;
}

/// formatReading with the decimal separator of a locale, looked up once.
class ReadingFormatter {
public:
    explicit ReadingFormatter(const QLocale& locale = QLocale());
    explicit ReadingFormatter(QChar decimalSeparator) : separator_(decimalSeparator) {}

    QChar separator() const { return separator_; }
    QString operator()(float value, int decimals) const
    {
        return formatReading(value, decimals, separator_);
    }
    void append(QString& out, float value, int decimals) const
    {
        appendReading(out, value, decimals, separator_);
    }

private:
    QChar separator_;
};

} // namespace trv630
