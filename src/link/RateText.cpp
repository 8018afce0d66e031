#include "link/RateText.h"

namespace trv630 {

QString rateText(std::uint32_t count, int intervalMs, const QLocale& locale)
{
    double perMs = intervalMs > 0 ? static_cast<double>(count) / intervalMs : 0.0;
    // At most 15 significant digits, as the value is then shown.
    perMs = QString::number(perMs, 'g', 15).toDouble();
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(perMs, 'f', 4) + QStringLiteral(" kHz");
}

} // namespace trv630
