// One line series of the chart: its title, colour and line width, and its
// points. The X values live in the chart's shared time column (every series
// sampled on the same tick shares one entry); the series keeps only its Y
// values (4 bytes a point), a min/max cache over them, and the runs that map
// its point numbers onto time-column entries.
//
// GUI thread only, like the chart that owns it.
#pragma once

#include "chart/ChunkedArray.h"
#include "chart/MinMaxCache.h"

#include <QColor>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trv630 {

class LineSeries {
public:
    LineSeries(QString title, QColor colour, int lineWidth, const ChunkedArray<double>* times);

    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    QColor colour() const { return colour_; }
    void setColour(QColor colour) { colour_ = colour; }
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int width) { lineWidth_ = width; }

    std::size_t count() const { return values_.size(); }
    double x(std::size_t i) const { return (*times_)[timeIndex(i)]; }
    float y(std::size_t i) const { return values_[i]; }

    /// First point whose X is >= x (count() when none).
    std::size_t lowerBound(double x, std::size_t from = 0) const;
    /// First point whose X is > x (count() when none).
    std::size_t upperBound(double x, std::size_t from = 0) const;
    /// Extremes of the Y values of points [first, last).
    ValueRange yRange(std::size_t first, std::size_t last) const
    {
        return cache_.range(values_, first, last);
    }

    /// Appends a point whose X is time-column entry `timeIndex` (not below
    /// the entry of the previous point).
    void append(std::uint32_t timeIndex, float y);
    void clear();

    std::uint32_t lastTimeIndex() const { return lastTimeIndex_; }
    std::size_t bytesReserved() const;

private:
    /// Points [valueStart, next run's valueStart) sit on consecutive
    /// time-column entries from timeStart on.
    struct Run {
        std::uint32_t valueStart;
        std::uint32_t timeStart;
    };
    std::size_t timeIndex(std::size_t i) const;

    QString title_;
    QColor colour_;
    int lineWidth_;
    const ChunkedArray<double>* times_;
    ChunkedArray<float> values_;
    MinMaxCache cache_;
    std::vector<Run> runs_;
    std::uint32_t lastTimeIndex_ = 0;
};

} // namespace trv630
