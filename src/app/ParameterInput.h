// Input checking of the parameter edit boxes: a text that is not a number
// turns the box badInputColour and gives nothing; a number out of range is
// clamped, written back and marked clampedColour. The text rules themselves
// are pure functions.
#pragma once

#include <QChar>
#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QLineEdit;

namespace trv630 {

/// A decimal integer with an optional sign, blanks around it allowed; nothing
/// when the text is not one or does not fit in 32 bits.
std::optional<std::int32_t> parseIntText(const QString& text);
/// A decimal number with the given decimal separator (and an optional
/// exponent), blanks around it allowed; nothing when the text is not a number
/// or its single-precision value is not finite.
std::optional<float> parseFloatText(const QString& text, QChar decimalSeparator);
/// The decimal separator of the user's regional settings.
QChar regionalDecimalSeparator();

/// The four octets of a masked address text: the 3-character groups at
/// positions 0, 4, 8 and 12, trailing blanks removed, as integers (not
/// range-checked). A group that is no number throws trv630::Error with the
/// conversion message.
std::array<int, 4> addressOctets(const QString& displayText);

/// The box's background colour; and setting it to a colour or the standard one.
QColor background(const QLineEdit* box);
void setBackground(QLineEdit* box, const QColor& colour);
void setStandardBackground(QLineEdit* box);

/// The integer of the box, clamped to [minimum, maximum]; a clamped value is
/// written back and marked clampedColour, a text that is no integer marks the
/// box badInputColour and gives nothing.
std::optional<std::int32_t> checkedIntInput(QLineEdit* box, std::int32_t minimum, std::int32_t maximum);
/// The number of the box as a float (regional separator); a text that is no
/// number marks the box badInputColour and gives nothing.
std::optional<float> checkedFloatInput(QLineEdit* box);

/// A modal error message box with this exact text (caption "TRV630U - PC").
void showMessageBox(const QString& text);

} // namespace trv630
