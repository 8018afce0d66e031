// The chart feed over simulated time: axes, moving window, start/stop,
// clearing and unticked series.
#include "chart/ChartFeed.h"
#include "chart/ChartView.h"

#include <gtest/gtest.h>

#include <limits>

using namespace trv630;

namespace {

class ChartFeedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& channel : chartChannels)
            chart.addSeries(QString::fromLatin1(channel.title), Qt::black, 2);
        ticked[0] = true;
        feed.tick(chart, now, frame, ticked); // stopped: follows the clock
    }

    /// Runs `count` ticks of 100 ms.
    void run(int count)
    {
        for (int i = 0; i < count; ++i) {
            now += 100;
            feed.tick(chart, now, frame, ticked);
        }
    }

    ChartView chart;
    ChartFeed feed;
    MeasurementFrame frame;
    ChartTicks ticked{};
    qint64 now = 5'000;
};

} // namespace

TEST_F(ChartFeedTest, LeftAxisPushesTheExtremesTenPerCentAwayFromZero)
{
    struct Case {
        std::vector<float> values;
        double low, high;
    } cases[] = {
        {{2, 5}, 0, 5.5},
        {{-4, 3}, -4.4, 3.3},
        {{0}, 0, 0},
        {{-2, -1}, -2.2, 0},
    };
    for (const Case& c : cases) {
        feed.clearChart(chart);
        feed.chartRunning = true;
        for (float v : c.values) {
            frame.analog[0].value = v;
            run(1);
        }
        EXPECT_NEAR(chart.leftAxis().min, c.low, 1e-6) << c.values.front();
        EXPECT_NEAR(chart.leftAxis().max, c.high, 1e-6) << c.values.front();
    }
}

TEST_F(ChartFeedTest, WindowOfTenSecondsStaysThenFollowsTheNewestPoints)
{
    feed.selectWindow(chart, 1); // "10 sek"
    ASSERT_EQ(feed.chartWindow, 10u);
    EXPECT_EQ(chart.bottomAxis(), (AxisRange{0, 10}));
    feed.chartRunning = true;
    run(100); // 10.0 s
    EXPECT_EQ(chart.bottomAxis(), (AxisRange{0, 10}));
    run(1);   // the axis still uses the time before this tick (10.0 s, not above 10)
    EXPECT_EQ(chart.bottomAxis(), (AxisRange{0, 10}));
    run(50);  // 15.1 s; the axis ends at the previous tick, 15.0 s
    EXPECT_NEAR(chart.bottomAxis().min, 5.0, 1e-9);
    EXPECT_NEAR(chart.bottomAxis().max, 15.0, 1e-9);
    EXPECT_EQ(chart.series(0).count(), 151u) << "the window never trims the series";
}

TEST_F(ChartFeedTest, WindowLengthsFollowTheLabels)
{
    const std::uint32_t expected[] = {1, 10, 60, 600, 1800, 3600, 0};
    for (int position = 0; position < chartWindowEntryCount; ++position) {
        feed.selectWindow(chart, position);
        EXPECT_EQ(feed.chartWindow, expected[position]) << chartWindowLabels[position];
    }
    feed.selectWindow(chart, 1);
    feed.chartRunning = true;
    run(5);
    feed.selectWindow(chart, -1); // no selection: the length stays, the chart is cleared
    EXPECT_EQ(feed.chartWindow, 10u);
    EXPECT_EQ(chart.series(0).count(), 0u);
    EXPECT_EQ(feed.chartElapsed, 0);
}

TEST_F(ChartFeedTest, NoMovingWindowSpansTheWholeHistory)
{
    feed.selectWindow(chart, 6); // "niesk"
    EXPECT_EQ(chart.bottomAxis(), (AxisRange{0, 1}));
    feed.chartRunning = true;
    run(1200); // two minutes
    EXPECT_EQ(chart.bottomAxis().min, 0);
    EXPECT_NEAR(chart.bottomAxis().max, 120.0, 1e-6);
}

TEST_F(ChartFeedTest, StoppedTimeIsNotCounted)
{
    feed.chartRunning = true;
    run(30);
    const double before = chart.series(0).x(chart.series(0).count() - 1);
    EXPECT_FALSE(feed.toggleRunning());
    run(600); // a minute stopped
    EXPECT_EQ(chart.series(0).count(), 30u);
    EXPECT_TRUE(feed.toggleRunning());
    run(1);
    const double after = chart.series(0).x(chart.series(0).count() - 1);
    EXPECT_NEAR(after - before, 0.1, 1e-9);
}

TEST_F(ChartFeedTest, ClearWhileRunningStartsAgainAtZero)
{
    feed.selectWindow(chart, 1);
    feed.chartRunning = true;
    frame.analog[0].value = 7;
    run(150);
    feed.clearChart(chart);
    EXPECT_TRUE(feed.chartRunning);
    EXPECT_EQ(chart.series(0).count(), 0u);
    EXPECT_EQ(chart.leftAxis(), (AxisRange{-1, 1}));
    EXPECT_EQ(chart.bottomAxis(), (AxisRange{0, 10}));
    EXPECT_EQ(feed.chartHighest, 0);
    run(1);
    ASSERT_EQ(chart.series(0).count(), 1u);
    EXPECT_NEAR(chart.series(0).x(0), 0.1, 1e-9);
}

TEST_F(ChartFeedTest, UntickedSeriesKeepsItsPointsAndDoesNotMoveTheAxes)
{
    feed.chartRunning = true;
    ticked[1] = true;
    frame.analog[1].value = 3;
    run(10);
    ticked[1] = false;
    frame.analog[1].value = 50; // would stretch the value axis if it were fed
    run(10);
    EXPECT_EQ(chart.series(1).count(), 10u);
    EXPECT_NEAR(chart.leftAxis().max, 3.3, 1e-6);
    ticked[1] = true;
    run(1);
    EXPECT_EQ(chart.series(1).count(), 11u);
    EXPECT_NEAR(chart.series(1).x(10), 2.1, 1e-9) << "continues after the gap";
}

TEST_F(ChartFeedTest, AllUntickedAddsNothingButTimeGoesOn)
{
    ticked = {};
    feed.chartRunning = true;
    const AxisRange left = chart.leftAxis(), bottom = chart.bottomAxis();
    run(20);
    for (int n = 0; n < chartChannelCount; ++n)
        EXPECT_EQ(chart.series(n).count(), 0u);
    EXPECT_EQ(chart.leftAxis(), left);
    EXPECT_EQ(chart.bottomAxis(), bottom);
    EXPECT_NEAR(feed.chartElapsed, 2.0, 1e-9);
}

TEST_F(ChartFeedTest, EveryChannelFeedsItsOwnSeries)
{
    frame.analog = {{{0, 1, 5}, {0, 2, 6}, {0, 3, 7}, {0, 4, 8}}};
    frame.encoder = {{{0, 11, 9}, {0, 12, 10}}};
    frame.math = {13, 14};
    ticked.fill(true);
    feed.chartRunning = true;
    run(1);
    const float expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    for (int n = 0; n < chartChannelCount; ++n) {
        ASSERT_EQ(chart.series(n).count(), 1u);
        EXPECT_EQ(chart.series(n).y(0), expected[n]) << chartChannels[n].title;
    }
}

TEST_F(ChartFeedTest, ChartTimeKeepsItsPrecisionOverDays)
{
    feed.chartRunning = true;
    feed.chartElapsed = 5 * 86'400.0; // five days in
    run(10);
    EXPECT_NEAR(feed.chartElapsed, 5 * 86'400.0 + 1.0, 1e-6);
}

TEST_F(ChartFeedTest, NotANumberAndInfinityNeitherMoveTheAxesWrongNorBreakPainting)
{
    feed.chartRunning = true;
    frame.analog[0].value = 2;
    run(1);
    frame.analog[0].value = std::numeric_limits<float>::quiet_NaN();
    run(1);
    EXPECT_NEAR(chart.leftAxis().max, 2.2, 1e-6) << "NaN is no extreme";
    frame.analog[0].value = std::numeric_limits<float>::infinity();
    run(1);
    frame.analog[0].value = 3;
    run(1);
    chart.resize(400, 300);
    const QImage image = chart.toImage();
    EXPECT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(chart.series(0).count(), 4u);
}
