#include "values/UnitTexts.h"

#include "values/Reading.h"

namespace trv630 {

namespace {

QString bracketed(const QString& unit)
{
    return QStringLiteral(" [") + unit + u']';
}

QString indicatorText(float value, const QString& suffix, ReadingStyle style)
{
    QString text;
    text.reserve(maxReadingLength + suffix.size() + 1);
    text += u' ';
    appendReading(text, value, style.decimals, style.separator);
    text += suffix;
    return text;
}

} // namespace

QString analogSuffix(const QString& unitText, std::uint8_t mode)
{
    if (!unitText.isEmpty())
        return bracketed(unitText);
    return (mode & 3) == 0 ? QStringLiteral(" [V]") : QStringLiteral(" [mA]");
}

QString positionSuffix(const QString& unitText, std::uint8_t mode)
{
    if (!unitText.isEmpty())
        return bracketed(unitText);
    return (mode & 3) < 2 ? QStringLiteral(" [obr]") : QStringLiteral(" [mm]");
}

QString velocitySuffix(const QString& unitText, std::uint8_t mode)
{
    const bool perMinute = (mode & 1) != 0;
    if (!unitText.isEmpty())
        return bracketed(unitText + u'/' + (perMinute ? QStringLiteral(" min") : QStringLiteral(" sek")));
    switch (mode & 3) {
    case 0: return QStringLiteral(" [obr/sek]");
    case 1: return QStringLiteral(" [obr/min]");
    case 2: return QStringLiteral(" [mm/sek]");
    default: return QStringLiteral(" [mm/min]");
    }
}

QString mathSuffix(const QString& unitText)
{
    return bracketed(unitText);
}

QString mathNameCaption(const QString& name)
{
    return u'[' + name + u']';
}

QString analogText(const MeasurementFrame& frame, int i, const QString& unitText, ReadingStyle style)
{
    const AnalogReading& a = frame.analog.at(static_cast<std::size_t>(i));
    return indicatorText(a.average, analogSuffix(unitText, a.mode), style);
}

QString positionText(const MeasurementFrame& frame, int i, const QString& unitText, ReadingStyle style)
{
    const EncoderReading& e = frame.encoder.at(static_cast<std::size_t>(i));
    return indicatorText(e.position, positionSuffix(unitText, e.mode), style);
}

QString velocityText(const MeasurementFrame& frame, int i, const QString& unitText, ReadingStyle style)
{
    const EncoderReading& e = frame.encoder.at(static_cast<std::size_t>(i));
    return indicatorText(e.velocity, velocitySuffix(unitText, e.mode), style);
}

QString mathText(const MeasurementFrame& frame, int k, const QString& unitText, ReadingStyle style)
{
    return indicatorText(frame.math.at(static_cast<std::size_t>(k)), mathSuffix(unitText), style);
}

} // namespace trv630
