#include "chart/ChartOutput.h"

#include <algorithm>

namespace trv630 {

QRectF marginRect(const QRectF& page, const QMarginsF& percent)
{
    const qreal w = page.width(), h = page.height();
    return page.adjusted(w * percent.left() / 100, h * percent.top() / 100,
                         -w * percent.right() / 100, -h * percent.bottom() / 100);
}

QString chartBitmapName(const QString& chosen)
{
    const qsizetype slash =
        std::max(chosen.lastIndexOf(QLatin1Char('/')), chosen.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > slash ? chosen.mid(dot) : QString();
    if (extension == QLatin1String(".bmp"))
        return chosen;
    return chosen + QLatin1String(".bmp");
}

} // namespace trv630
