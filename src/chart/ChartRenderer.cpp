#include "chart/ChartRenderer.h"

#include "chart/Decimator.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trv630 {

namespace {

constexpr qreal outerMargin = 6;
constexpr qreal legendPadding = 5;
constexpr qreal legendGap = 6;   // between a legend title and its symbol
constexpr qreal legendShadow = 3;
constexpr qreal plotToLegend = 10;
constexpr qreal tickLength = 4;

QString tickText(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

/// Widest label of the scale of `range` for an axis `lengthPx` long.
qreal widestLabel(const QFontMetricsF& fm, AxisRange range, qreal lengthPx)
{
    const AxisTicks ticks = axisTicks(range, lengthPx, fm.height());
    qreal widest = fm.horizontalAdvance(QStringLiteral("0"));
    for (double v : ticks.values)
        widest = std::max(widest, fm.horizontalAdvance(tickText(v, ticks.decimals)));
    return widest;
}

} // namespace

PaintParams ChartRenderer::layout(const QRectF& area) const
{
    const ChartStyle& st = scene_.style;
    PaintParams pp;
    pp.area = area;
    const AxisRange x = scene_.bottom.drawable();
    const AxisRange y = scene_.left.drawable();
    pp.xMin = x.min;
    pp.xMax = x.max;
    pp.yMin = y.min;
    pp.yMax = y.max;

    const QFontMetricsF titleFm(st.titleFont), labelFm(st.labelFont),
        axisTitleFm(st.bottomTitleFont), legendFm(st.legendFont);

    // Legend: one line per series, title left, symbol right.
    qreal textWidth = 0;
    for (int i = 0; i < scene_.data.seriesCount(); ++i)
        textWidth = std::max(textWidth, legendFm.horizontalAdvance(scene_.data.series(i).title()));
    pp.legendLineHeight = legendFm.height() + st.legendExtraSpacing;
    const qreal legendWidth = 2 * legendPadding + textWidth + legendGap + st.legendSymbolWidth;
    const qreal legendHeight = 2 * legendPadding + scene_.data.seriesCount() * pp.legendLineHeight;

    const qreal top = area.top() + outerMargin + titleFm.height() + 6;
    const qreal bottom = area.bottom() - outerMargin - axisTitleFm.height() - 2 - labelFm.height()
                         - tickLength - 2;
    pp.legend = QRectF(area.right() - outerMargin - st.rightReserve - legendWidth, top, legendWidth,
                       legendHeight);
    pp.legendFirstLine = pp.legend.top() + legendPadding;

    const qreal left =
        area.left() + outerMargin + widestLabel(labelFm, y, bottom - top) + tickLength + 4;
    const qreal right = std::max(left + 10, pp.legend.left() - plotToLegend);
    pp.plot = QRectF(QPointF(left, top), QPointF(right, std::max(top + 10, bottom)));
    return pp;
}

void ChartRenderer::paintBackground(QPainter& p, const PaintParams& pp) const
{
    const ChartStyle& st = scene_.style;
    p.fillRect(pp.area, st.background);
    QLinearGradient gradient(pp.plot.topLeft(), pp.plot.bottomLeft());
    gradient.setColorAt(0, st.plotGradientTop);
    gradient.setColorAt(1, st.plotGradientBottom);
    p.fillRect(pp.plot, gradient);
    if (st.borderVisible) {
        p.setPen(QPen(st.border, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(pp.area.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void ChartRenderer::paintGridAndAxes(QPainter& p, const PaintParams& pp) const
{
    const ChartStyle& st = scene_.style;
    const QFontMetricsF labelFm(st.labelFont);
    p.setFont(st.labelFont);

    QPen grid(st.gridColour, 1, Qt::DotLine);
    QPen axis(Qt::black, 1);

    // Left (value) axis.
    const AxisTicks yTicks = axisTicks({pp.yMin, pp.yMax}, pp.plot.height(), labelFm.height());
    for (double v : yTicks.values) {
        const qreal y = pp.mapY(v);
        p.setPen(grid);
        p.drawLine(QLineF(pp.plot.left(), y, pp.plot.right(), y));
        p.setPen(axis);
        p.drawLine(QLineF(pp.plot.left() - tickLength, y, pp.plot.left(), y));
        p.setPen(st.labelColour);
        const QRectF box(pp.area.left(), y - labelFm.height() / 2,
                         pp.plot.left() - tickLength - 2 - pp.area.left(), labelFm.height());
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                   tickText(v, yTicks.decimals));
    }

    // Bottom (time) axis: labels at least 20 % of their width apart.
    const qreal sampleWidth = std::max(labelFm.horizontalAdvance(tickText(pp.xMax, 1)),
                                       labelFm.horizontalAdvance(tickText(pp.xMin, 1)));
    const AxisTicks xTicks = axisTicks({pp.xMin, pp.xMax}, pp.plot.width(), sampleWidth);
    for (double v : xTicks.values) {
        const qreal x = pp.mapX(v);
        p.setPen(grid);
        p.drawLine(QLineF(x, pp.plot.top(), x, pp.plot.bottom()));
        p.setPen(axis);
        p.drawLine(QLineF(x, pp.plot.bottom(), x, pp.plot.bottom() + tickLength));
        p.setPen(st.labelColour);
        const QString text = tickText(v, xTicks.decimals);
        const qreal w = labelFm.horizontalAdvance(text);
        p.drawText(QRectF(x - w / 2 - 2, pp.plot.bottom() + tickLength + 1, w + 4, labelFm.height()),
                   Qt::AlignCenter | Qt::TextSingleLine, text);
    }
    p.setPen(axis);
    p.drawLine(pp.plot.bottomLeft(), pp.plot.bottomRight());
    p.drawLine(pp.plot.bottomLeft(), pp.plot.topLeft());

    const QFontMetricsF axisTitleFm(st.bottomTitleFont);
    p.setFont(st.bottomTitleFont);
    p.setPen(st.bottomTitleColour);
    p.drawText(QRectF(pp.plot.left(), pp.area.bottom() - outerMargin - axisTitleFm.height(),
                      pp.plot.width(), axisTitleFm.height()),
               Qt::AlignCenter | Qt::TextSingleLine, st.bottomTitle);

    const QFontMetricsF titleFm(st.titleFont);
    p.setFont(st.titleFont);
    p.setPen(st.titleColour);
    QString title = scene_.title;
    title.replace(QLatin1Char('\n'), QLatin1Char(' '));
    p.drawText(QRectF(pp.area.left(), pp.area.top() + outerMargin, pp.area.width(), titleFm.height()),
               Qt::AlignCenter | Qt::TextSingleLine, title);
}

void ChartRenderer::paintSeries(QPainter& p, const PaintParams& pp) const
{
    p.save();
    p.setClipRect(pp.plot);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < scene_.data.seriesCount(); ++i) {
        const LineSeries& s = scene_.data.series(i);
        if (s.count() == 0)
            continue;
        decimateSeries(s, pp, lines_);
        // Vertical segments (the min/max bars of dense columns) are filled
        // as rectangles, the raster engine's fastest path; the rest are
        // stroked with drawLines. A pen of width w with square caps covers
        // the same pixels as the rectangle w wide, w longer.
        const qreal half = s.lineWidth() / 2.0;
        rects_.clear();
        std::size_t kept = 0;
        for (const QLineF& l : lines_) {
            if (l.x1() == l.x2()) {
                const qreal top = std::min(l.y1(), l.y2()), bottom = std::max(l.y1(), l.y2());
                rects_.emplace_back(l.x1() - half, top - half, 2 * half, bottom - top + 2 * half);
            } else {
                lines_[kept++] = l;
            }
        }
        p.setPen(QPen(s.colour(), s.lineWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawLines(lines_.data(), static_cast<int>(kept));
        for (const QRectF& r : rects_)
            p.fillRect(r, s.colour());
    }
    p.restore();
}

void ChartRenderer::paintLegend(QPainter& p, const PaintParams& pp) const
{
    const ChartStyle& st = scene_.style;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, st.legendShadowAlpha));
    p.drawRect(pp.legend.translated(legendShadow, legendShadow));
    p.setBrush(st.legendBackground);
    p.setPen(QPen(st.legendFrame, 1));
    p.drawRect(pp.legend);

    p.setFont(st.legendFont);
    const qreal textLeft = pp.legend.left() + legendPadding;
    const qreal symbolRight = pp.legend.right() - legendPadding;
    for (int i = 0; i < scene_.data.seriesCount(); ++i) {
        const LineSeries& s = scene_.data.series(i);
        const QRectF line(textLeft, pp.legendFirstLine + i * pp.legendLineHeight,
                          symbolRight - textLeft, pp.legendLineHeight);
        p.setPen(st.labelColour);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s.title());
        p.setPen(QPen(s.colour(), st.legendSymbolPen));
        const qreal y = line.center().y();
        p.drawLine(QLineF(symbolRight - st.legendSymbolWidth, y, symbolRight, y));
    }
    p.restore();
}

void ChartRenderer::render(QPainter& p, const QRectF& area) const
{
    const PaintParams pp = layout(area);
    paintBackground(p, pp);
    paintGridAndAxes(p, pp);
    paintSeries(p, pp);
    paintLegend(p, pp);
}

} // namespace trv630
