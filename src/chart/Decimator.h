// Turns the visible part of a series into the line segments to draw, at most
// a few per pixel column however many points the column holds:
// - a column with two points or fewer passes them through unchanged;
// - a denser column becomes one vertical segment from its minimum to its
//   maximum (so a one-sample spike stays visible at every zoom) plus the
//   segment that joins it to the previous column;
// - the nearest point beyond each edge of the visible range is included, so
//   the line runs on to the border of the plot area (the painter clips it).
// Cost: a few binary searches and one min/max cache query per column.
#pragma once

#include "chart/LineSeries.h"
#include "chart/PaintParams.h"

#include <QLineF>

#include <vector>

namespace trv630 {

/// Replaces `lines` by the segments of `series` in device coordinates.
void decimateSeries(const LineSeries& series, const PaintParams& params,
                    std::vector<QLineF>& lines);

} // namespace trv630
