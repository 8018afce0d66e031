// Indicator texts of the channels: a blank, the number (formatReading) and
// the unit suffix, which begins with its own blank: " 1,25 [V]".
//
// A unit text set by the user wins over the unit of the channel's mode. The
// encoder velocity keeps the blank before its time part when a unit text is
// set (" [mm/ sek]") while the mode's own suffix has none (" [mm/sek]").
// Pure functions of the frame, the decimals and the unit texts.
#pragma once

#include "protocol/MeasurementFrame.h"

#include <QChar>
#include <QString>

#include <cstdint>

namespace trv630 {

/// " [V]" (mode 0) or " [mA]" (any other mode); " [unit]" with a unit text.
QString analogSuffix(const QString& unitText, std::uint8_t mode);
/// " [obr]" (modes 0, 1) or " [mm]" (modes 2, 3); " [unit]" with a unit text.
QString positionSuffix(const QString& unitText, std::uint8_t mode);
/// " [obr/sek]", " [obr/min]", " [mm/sek]", " [mm/min]" for modes 0 to 3;
/// with a unit text " [unit/ sek]" (modes 0, 2) or " [unit/ min]" (1, 3).
QString velocitySuffix(const QString& unitText, std::uint8_t mode);
/// Always " [unit]", empty brackets for an empty unit text.
QString mathSuffix(const QString& unitText);
/// "[" + name + "]": caption of the math-name labels.
QString mathNameCaption(const QString& name);

/// The decimals and separator a text is made with.
struct ReadingStyle {
    int decimals = 2;
    QChar separator = u'.';
};

/// analog[i].average with analogSuffix, i = 0 to 3.
QString analogText(const MeasurementFrame& frame, int i, const QString& unitText, ReadingStyle style);
/// encoder[i].position with positionSuffix, i = 0 or 1.
QString positionText(const MeasurementFrame& frame, int i, const QString& unitText, ReadingStyle style);
/// encoder[i].velocity with velocitySuffix, i = 0 or 1.
QString velocityText(const MeasurementFrame& frame, int i, const QString& unitText, ReadingStyle style);
/// math[k] with mathSuffix, k = 0 or 1.
QString mathText(const MeasurementFrame& frame, int k, const QString& unitText, ReadingStyle style);

} // namespace trv630
