// Rules of the chart's printed and saved output.
#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QString>

namespace trv630 {

/// The part of `page` inside margins given in per cent of the page's width
/// (left, right) and height (top, bottom).
QRectF marginRect(const QRectF& page, const QMarginsF& percent);

/// The file name a chart bitmap is written to: `chosen` when the extension
/// of its last path element (from its last full stop on) is exactly ".bmp",
/// otherwise `chosen` with ".bmp" appended (so "a.BMP" gives "a.BMP.bmp").
QString chartBitmapName(const QString& chosen);

} // namespace trv630
