// The live feed of the chart: every tick (100 ms) adds the ticked channels
// of the latest measurement at the chart's own time, scrolls the time axis
// over the chosen window and stretches the value axis over the values seen.
// Time comes in as a millisecond reading, so tests can drive it.
//
// GUI thread only: the ticks, the button and list handlers and the report
// decoding never interleave, so nothing is locked.
#pragma once

#include "protocol/MeasurementFrame.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>

namespace trv630 {

class ChartView;

/// One charted channel: series title, colour (0x00BBGGRR) and its value.
struct ChartChannel {
    const char* title;
    std::uint32_t colour;
    float (*value)(const MeasurementFrame&);
};
inline constexpr int chartChannelCount = 14;
extern const std::array<ChartChannel, chartChannelCount> chartChannels;

/// Entries of the window list, in list order: labels and lengths in seconds
/// (0: no moving window).
inline constexpr int chartWindowEntryCount = 7;
extern const std::array<const char*, chartWindowEntryCount> chartWindowLabels;
extern const std::array<std::uint32_t, chartWindowEntryCount> chartWindowSeconds;

using ChartTicks = std::array<bool, chartChannelCount>;

/// The chart state; every operation acts on the chart it is given.
class ChartFeed {
public:
    bool chartRunning = false;
    double chartElapsed = 0;      ///< chart time of the newest points, s
    std::uint32_t chartWindow = 0; ///< moving window, whole s; 0 = none
    qint64 chartLastTick = 0;     ///< clock reading of the previous tick, ms
    float chartLowest = 0;
    float chartHighest = 0;

    /// The timer tick: feeds while running, otherwise only follows the
    /// clock so that stopped time is never counted.
    void tick(ChartView& chart, qint64 nowMs, const MeasurementFrame& frame, const ChartTicks& ticked);
    void feedChart(ChartView& chart, qint64 nowMs, const MeasurementFrame& frame, const ChartTicks& ticked);
    /// Start / stop; returns the new running state.
    bool toggleRunning();
    void clearChart(ChartView& chart);
    /// Applies the window list's selection (-1 or out of range: none, the
    /// window keeps its length) and clears the chart.
    void selectWindow(ChartView& chart, int position);
};

} // namespace trv630
