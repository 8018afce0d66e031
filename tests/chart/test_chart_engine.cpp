// The charting engine on its own: storage and min/max cache, decimation,
// axis labels and the output rules.
#include "chart/AxisRange.h"
#include "chart/ChartData.h"
#include "chart/ChartOutput.h"
#include "chart/Decimator.h"
#include "chart/MinMaxCache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

using namespace trv630;

namespace {

PaintParams params(double x0, double x1, double y0, double y1, qreal widthPx = 100)
{
    PaintParams p;
    p.plot = QRectF(0, 0, widthPx, 100);
    p.area = p.plot;
    p.xMin = x0;
    p.xMax = x1;
    p.yMin = y0;
    p.yMax = y1;
    return p;
}

double lowestLineY(const std::vector<QLineF>& lines) // device y grows downwards
{
    double top = std::numeric_limits<double>::infinity();
    for (const QLineF& l : lines)
        top = std::min({top, l.y1(), l.y2()});
    return top;
}

} // namespace

TEST(MinMaxCache, AnyRangeMatchesAPlainScan)
{
    ChunkedArray<float> values;
    MinMaxCache cache;
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> dist(-1000, 1000);
    for (int i = 0; i < 70'000; ++i) { // more than one chunk and four cache levels
        values.push_back(i == 12'345 ? std::numeric_limits<float>::quiet_NaN() : dist(rng));
        cache.append(values);
    }
    std::uniform_int_distribution<std::size_t> pos(0, values.size());
    for (int round = 0; round < 300; ++round) {
        std::size_t a = pos(rng), b = pos(rng);
        if (a > b)
            std::swap(a, b);
        if (round == 0) {
            a = 0;
            b = values.size();
        }
        ValueRange expected;
        for (std::size_t i = a; i < b; ++i)
            expected.add(values[i]);
        const ValueRange got = cache.range(values, a, b);
        ASSERT_EQ(got.min, expected.min) << a << ".." << b;
        ASSERT_EQ(got.max, expected.max) << a << ".." << b;
    }
}

TEST(ChartData, SeriesShareTheTimeOfOneTickAndKeepTheirOwnPoints)
{
    ChartData data;
    data.addSeries("a", Qt::red, 2);
    data.addSeries("b", Qt::blue, 2);
    for (int t = 1; t <= 10; ++t) {
        EXPECT_TRUE(data.addPoint(0, t * 0.1, float(t)));
        if (t <= 3 || t >= 8) { // b unticked from 0.4 s to 0.7 s
            EXPECT_TRUE(data.addPoint(1, t * 0.1, float(-t)));
        }
    }
    ASSERT_EQ(data.series(0).count(), 10u);
    ASSERT_EQ(data.series(1).count(), 6u);
    EXPECT_DOUBLE_EQ(data.series(1).x(2), 0.3);
    EXPECT_DOUBLE_EQ(data.series(1).x(3), 0.8); // the gap is bridged by one segment
    EXPECT_FLOAT_EQ(data.series(1).y(3), -8);
    EXPECT_EQ(data.series(1).lowerBound(0.5), 3u);

    // Time never goes back across the chart.
    EXPECT_FALSE(data.addPoint(1, 0.95, 1));
    EXPECT_EQ(data.series(1).count(), 6u);

    data.clearPoints();
    EXPECT_EQ(data.series(0).count(), 0u);
    EXPECT_TRUE(data.addPoint(1, 0.1, 5)); // a cleared chart starts again at any time
}

TEST(Decimator, OneSampleSpikeStaysVisibleAtEveryDensity)
{
    for (int points : {150, 5'000, 200'000}) {
        ChartData data;
        data.addSeries("s", Qt::red, 2);
        for (int i = 0; i < points; ++i)
            data.addPoint(0, i, i == points / 3 ? 100.0f : 0.0f);
        const PaintParams p = params(0, points - 1, 0, 100);
        std::vector<QLineF> lines;
        decimateSeries(data.series(0), p, lines);
        EXPECT_DOUBLE_EQ(lowestLineY(lines), p.mapY(100)) << points << " points";
        EXPECT_LE(lines.size(), 3u * 100 + 4) << "a few segments per pixel column";
    }
}

TEST(Decimator, SparseColumnsPassRawPointsAndEdgesReachTheBorder)
{
    ChartData data;
    data.addSeries("s", Qt::red, 2);
    for (int i = 0; i <= 20; ++i)
        data.addPoint(0, i, float(i));
    // Visible 5..10 s over 100 px: one point per 20 px, plus one beyond each edge.
    const PaintParams p = params(5, 10, 0, 20);
    std::vector<QLineF> lines;
    decimateSeries(data.series(0), p, lines);
    ASSERT_EQ(lines.size(), 7u); // points 4..11 joined one by one
    EXPECT_DOUBLE_EQ(lines.front().x1(), p.mapX(4));
    EXPECT_DOUBLE_EQ(lines.back().x2(), p.mapX(11));
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_DOUBLE_EQ(lines[i].y2(), p.mapY(5 + double(i))) << "raw point " << i;
}

TEST(Decimator, EmptyAndSinglePointSeriesDrawNothing)
{
    ChartData data;
    data.addSeries("s", Qt::red, 2);
    std::vector<QLineF> lines{QLineF()};
    decimateSeries(data.series(0), params(0, 1, 0, 1), lines);
    EXPECT_TRUE(lines.empty());
    data.addPoint(0, 0.5, 1);
    decimateSeries(data.series(0), params(0, 1, 0, 1), lines);
    EXPECT_TRUE(lines.empty());
}

TEST(AxisRange, ZeroWidthRangeIsOpenedForDrawing)
{
    EXPECT_EQ((AxisRange{0, 0}.drawable()), (AxisRange{-1, 1}));
    EXPECT_EQ((AxisRange{2, 5}.drawable()), (AxisRange{2, 5}));
    const AxisTicks ticks = axisTicks({0, 10}, 500, 20);
    ASSERT_FALSE(ticks.values.empty());
    EXPECT_EQ(ticks.values.front(), 0);
    EXPECT_EQ(ticks.values.back(), 10);
    for (std::size_t i = 1; i < ticks.values.size(); ++i)
        EXPECT_GE((ticks.values[i] - ticks.values[i - 1]) * 50, 20 * 1.2) << "labels 20 % apart";
}

TEST(ChartOutput, BitmapNameRule)
{
    struct Case {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"/tmp/wykres.bmp", "/tmp/wykres.bmp"},
        {"/tmp/wykres", "/tmp/wykres.bmp"},
        {"/tmp/wykres.BMP", "/tmp/wykres.BMP.bmp"},
        {"/tmp/wykres.png", "/tmp/wykres.png.bmp"},
        {"/tmp/dir.bmp/wykres", "/tmp/dir.bmp/wykres.bmp"},
        {"C:\\dane.v1\\wykres", "C:\\dane.v1\\wykres.bmp"},
        {"/tmp/a.bmp.txt", "/tmp/a.bmp.txt.bmp"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chartBitmapName(QString::fromUtf8(c.chosen)), QString::fromUtf8(c.written))
            << c.chosen;
}

TEST(ChartOutput, MarginsArePerCentOfThePage)
{
    const QRectF r = marginRect(QRectF(0, 0, 1000, 2000), QMarginsF(15, 25, 15, 25));
    EXPECT_EQ(r, QRectF(150, 500, 700, 1000));
}
