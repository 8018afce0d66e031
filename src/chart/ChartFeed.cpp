#include "chart/ChartFeed.h"

#include "chart/ChartView.h"

namespace trv630 {

const std::array<ChartChannel, chartChannelCount> chartChannels{{
    {"ADC1", 0xFF0000, [](const MeasurementFrame& f) { return f.analog[0].value; }},
    {"ADC2", 0x0000FF, [](const MeasurementFrame& f) { return f.analog[1].value; }},
    {"ADC3", 0x40FF00, [](const MeasurementFrame& f) { return f.analog[2].value; }},
    {"ADC4", 0x0080FF, [](const MeasurementFrame& f) { return f.analog[3].value; }},
    {"ADC1 AVER", 0xFF0080, [](const MeasurementFrame& f) { return f.analog[0].average; }},
    {"ADC2 AVER", 0xC08000, [](const MeasurementFrame& f) { return f.analog[1].average; }},
    {"ADC3 AVER", 0x408080, [](const MeasurementFrame& f) { return f.analog[2].average; }},
    {"ADC4 AVER", 0x80F200, [](const MeasurementFrame& f) { return f.analog[3].average; }},
    {"ENC1 POS", 0x31316C, [](const MeasurementFrame& f) { return f.encoder[0].position; }},
    {"ENC2 POS", 0xFDEF6F, [](const MeasurementFrame& f) { return f.encoder[1].position; }},
    {"ENC1 VEL", 0xBC3676, [](const MeasurementFrame& f) { return f.encoder[0].velocity; }},
    {"ENC2 VEL", 0x11F2E7, [](const MeasurementFrame& f) { return f.encoder[1].velocity; }},
    {"MATH1", 0x7C7C7C, [](const MeasurementFrame& f) { return f.math[0]; }},
    {"MATH2", 0x96D69E, [](const MeasurementFrame& f) { return f.math[1]; }},
}};

// UTF-8 source: "godź" keeps its Polish letter.
const std::array<const char*, chartWindowEntryCount> chartWindowLabels{
    "1 sek", "10 sek", "1 min", "10 min", "30 min", "1 godź", "niesk"};
const std::array<std::uint32_t, chartWindowEntryCount> chartWindowSeconds{1,    10,   60, 600,
 1800, 3600, 0};

void ChartFeed::tick(ChartView& chart, qint64 nowMs, const MeasurementFrame& frame, const ChartTicks& ticked)
{
    if (chartRunning)
        feedChart(chart, nowMs, frame, ticked);
    else
        chartLastTick = nowMs;
}

void ChartFeed::feedChart(ChartView& chart, qint64 nowMs, const MeasurementFrame& frame, const ChartTicks& ticked)
{
    // The axis ends at the previous tick's time: this tick's points lie just
    // beyond it until the next tick.
    if (chartWindow != 0 && chartWindow < chartElapsed)
        chart.setBottomAxis(chartElapsed - chartWindow, chartElapsed);

    chartElapsed += static_cast<double>(nowMs - chartLastTick) * 0.001;
    chartLastTick = nowMs;

    bool added = false;
    for (int n = 0; n < chartChannelCount; ++n) {
        if (!ticked[n])
            continue;
        const float value = chartChannels[n].value(frame);
        chart.addPoint(n, chartElapsed, value);
        if (value < chartLowest)
            chartLowest = value;
        if (value > chartHighest)
            chartHighest = value;
        added = true;
    }
    if (added) {
        chart.setLeftAxis(double(chartLowest) + 0.1 * double(chartLowest),
                           double(chartHighest) + 0.1 * double(chartHighest));
        if (chartWindow == 0) {
            // No moving window: the axis spans the whole history.
            chart.setBottomAxis(0, chartElapsed);
        }
    }
    chart.requestRepaint();
}

bool ChartFeed::toggleRunning()
{
    chartRunning = !chartRunning;
    return chartRunning;
}

void ChartFeed::clearChart(ChartView& chart)
{
    if (chartWindow > 0)
        chart.setBottomAxis(0, chartWindow);
    else
        chart.setBottomAxis(0, 1);
    chartHighest = 0;
    chartLowest = 0;
    chart.setLeftAxis(-1, 1);
    chartElapsed = 0;
    chart.clearPoints();
    // chartLastTick keeps the reading of the latest tick, so the next point
    // lies one tick after 0.
    chart.requestRepaint();
}

void ChartFeed::selectWindow(ChartView& chart, int position)
{
    if (position >= 0 && position < chartWindowEntryCount)
        chartWindow = chartWindowSeconds[static_cast<std::size_t>(position)];
    clearChart(chart);
}

} // namespace trv630
