// One chart tick as the running program does it: append one point to each of
// the 14 series, decimate, paint the whole chart into a 760 x 480 image.
// Histories of 1 min, 1 h and 24 h (ticks of 100 ms), the whole history in
// view or a 60 s window. When Qt Charts is installed, the same ticks run
// through it, holding the full data and holding a decimated copy.
//
//   bench_chart --benchmark_filter=Ours       our engine only
//   bench_chart --benchmark_filter=Ours/864000/1 --benchmark_min_time=2
//                                               the 24 h case (for peak memory)
#include "chart/ChartRenderer.h"
#include "chart/ChartScene.h"
#include "chart/Decimator.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#ifdef TRV630_BENCH_QTCHARTS
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#endif

using namespace trv630;

namespace {

constexpr int seriesCount = 14;
constexpr int imageWidth = 760, imageHeight = 480;
constexpr double tickSeconds = 0.1;

/// A plausible signal: slow sines of different periods, a little noise and a
/// rare one-sample spike.
float sample(int series, long tick)
{
    const double t = tick * tickSeconds;
    double v = 5 * std::sin(t / (7.0 + series)) + series;
    v += 0.05 * std::sin(tick * 12.9898 + series * 78.233);
    if (tick % 9973 == series)
        v += 20;
    return static_cast<float>(v);
}

struct History {
    ChartScene scene;
    long ticks = 0;

    explicit History(long count)
    {
        for (int s = 0; s < seriesCount; ++s)
            scene.data.addSeries(QStringLiteral("S%1").arg(s + 1), QColor::fromHsv(s * 25, 255, 200), 2);
        scene.style.bottomTitle = QStringLiteral("Czas (s)");
        scene.title = QStringLiteral("Nazwa wykresu");
        for (long i = 0; i < count; ++i)
            append();
    }

    void append()
    {
        ++ticks;
        for (int s = 0; s < seriesCount; ++s)
            scene.data.addPoint(s, ticks * tickSeconds, sample(s, ticks));
    }

    double now() const { return ticks * tickSeconds; }
};

AxisRange visible(const History& h, bool window)
{
    return window ? AxisRange{h.now() - 60, h.now()} : AxisRange{0, h.now()};
}

// Arguments: history ticks, window (0 whole, 1 = 60 s).
void Ours(benchmark::State& state)
{
    History h(state.range(0));
    const bool window = state.range(1) != 0;
    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    ChartRenderer renderer(h.scene);
    for (auto _ : state) {
        h.append();
        h.scene.bottom = visible(h, window);
        h.scene.left = {-10, 40};
        QPainter p(&image);
        renderer.render(p, QRectF(image.rect()));
    }
    state.counters["MB_points"] = double(h.scene.data.bytesReserved()) / (1024 * 1024);
}

// The decimation alone (no painting), to split the tick's cost.
void OursDecimateOnly(benchmark::State& state)
{
    History h(state.range(0));
    const bool window = state.range(1) != 0;
    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    ChartRenderer renderer(h.scene);
    std::vector<QLineF> lines;
    std::size_t drawn = 0;
    for (auto _ : state) {
        h.append();
        h.scene.bottom = visible(h, window);
        h.scene.left = {-10, 40};
        const PaintParams pp = renderer.layout(QRectF(image.rect()));
        for (int s = 0; s < seriesCount; ++s) {
            decimateSeries(h.scene.data.series(s), pp, lines);
            drawn += lines.size();
        }
    }
    state.counters["lines_per_tick"] = double(drawn) / double(state.iterations());
}

void historyArgs(benchmark::internal::Benchmark* b)
{
    for (long ticks : {600L, 36'000L, 864'000L})
        for (int window : {0, 1})
            b->Args({ticks, window});
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(Ours)->Apply(historyArgs);
BENCHMARK(OursDecimateOnly)->Apply(historyArgs);

#ifdef TRV630_BENCH_QTCHARTS

struct QtChartsTick {
    QChart* chart = new QChart;
    QChartView view{chart};
    QValueAxis* x = new QValueAxis;
    QValueAxis* y = new QValueAxis;
    std::vector<QLineSeries*> series;

    QtChartsTick()
    {
        view.resize(imageWidth, imageHeight);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (int s = 0; s < seriesCount; ++s) {
            auto* line = new QLineSeries;
            line->setPen(QPen(QColor::fromHsv(s * 25, 255, 200), 2));
            chart->addSeries(line);
            line->attachAxis(x);
            line->attachAxis(y);
            series.push_back(line);
        }
        y->setRange(-10, 40);
    }

    void paint(QImage& image)
    {
        QPainter p(&image);
        view.render(&p);
    }
};

// Qt Charts holding every point.
void QtChartsFull(benchmark::State& state)
{
    History h(0);
    QtChartsTick q;
    const bool window = state.range(1) != 0;
    for (long i = 0; i < state.range(0); ++i) {
        h.append();
        for (int s = 0; s < seriesCount; ++s)
            q.series[s]->append(h.now(), sample(s, h.ticks));
    }
    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        h.append();
        for (int s = 0; s < seriesCount; ++s)
            q.series[s]->append(h.now(), sample(s, h.ticks));
        const AxisRange r = visible(h, window);
        q.x->setRange(r.min, r.max);
        q.paint(image);
    }
}

// Qt Charts fed, every tick, a min/max-per-pixel copy of the visible data
// (taken from our storage, as a program using Qt Charts would have to keep it).
void QtChartsDecimated(benchmark::State& state)
{
    History h(state.range(0));
    QtChartsTick q;
    const bool window = state.range(1) != 0;
    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    QList<QPointF> points;
    constexpr int columns = 640; // about the plot width
    for (auto _ : state) {
        h.append();
        const AxisRange r = visible(h, window);
        const double dx = (r.max - r.min) / columns;
        for (int s = 0; s < seriesCount; ++s) {
            const LineSeries& line = h.scene.data.series(s);
            points.clear();
            std::size_t i = line.lowerBound(r.min);
            for (int c = 0; c < columns && i < line.count(); ++c) {
                const std::size_t end = line.lowerBound(r.min + (c + 1) * dx, i);
                if (end - i <= 2) {
                    for (; i < end; ++i)
                        points.append({line.x(i), line.y(i)});
                    continue;
                }
                const ValueRange v = line.yRange(i, end);
                const double cx = r.min + (c + 0.5) * dx;
                points.append({cx, v.min});
                points.append({cx, v.max});
                i = end;
            }
            q.series[s]->replace(points);
        }
        q.x->setRange(r.min, r.max);
        q.paint(image);
    }
}

void fullArgs(benchmark::internal::Benchmark* b)
{
    // 24 h of full data needs gigabytes and seconds per tick: left out.
    for (long ticks : {600L, 36'000L})
        for (int window : {0, 1})
            b->Args({ticks, window});
    b->Unit(benchmark::kMillisecond)->Iterations(5);
}
BENCHMARK(QtChartsFull)->Apply(fullArgs);
BENCHMARK(QtChartsDecimated)->Apply(historyArgs);

#endif

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
