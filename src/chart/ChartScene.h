// Everything a chart shows: its points, the two axis ranges, the title and
// the look. The widget owns one; the renderer draws it onto any QPainter.
#pragma once

#include "chart/AxisRange.h"
#include "chart/ChartData.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace trv630 {

struct ChartStyle {
    QColor background = Qt::white;
    QColor plotGradientTop = Qt::white;
    QColor plotGradientBottom = Qt::lightGray;
    bool borderVisible = true;
    QColor border = Qt::black;

    QFont titleFont;
    QColor titleColour = Qt::black;

    QFont labelFont;
    QColor labelColour = Qt::black;
    QColor gridColour = QColor(0xa0, 0xa0, 0xa0);
    QString bottomTitle;
    QFont bottomTitleFont;
    QColor bottomTitleColour = Qt::black;

    QFont legendFont;
    QColor legendBackground = Qt::white;
    QColor legendFrame = Qt::gray;
    int legendShadowAlpha = 128; ///< 0..255
    qreal legendSymbolWidth = 24; ///< pixels of the line drawn right of each title
    qreal legendSymbolPen = 2;
    qreal legendExtraSpacing = 4; ///< extra pixels between legend lines
    qreal rightReserve = 0; ///< free strip at the right edge (for controls set on the chart)
};

struct ChartScene {
    ChartData data;
    AxisRange bottom{0, 1};
    AxisRange left{-1, 1};
    QString title;
    ChartStyle style;
};

} // namespace trv630
