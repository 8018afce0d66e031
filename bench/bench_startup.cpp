// Start-up of the main window with the simulated module: from the start of
// the process to the first shown window, and the window's construction on
// its own (FormCreate included) as a benchmark.
//
//   bench_startup                       one cold start, then the benchmark
//   /usr/bin/time -v bench_startup --benchmark_filter=none
//                                       the cold start alone, with its memory
#include "app/TFMain.h"
#include "link/LinkFactory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {

/// Milliseconds since the kernel started this process (clock-tick precision).
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    // Field 22 (starttime) counts from the field after the command's ")".
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double start = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return (now - start) * 1000.0;
}

void showAndWait(TFMain& window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

void BM_WindowConstructAndShow(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        auto window = std::make_unique<TFMain>(trv630::createSimulatedLink(), TFMain::Options{dir.path()});
        showAndWait(*window);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowConstructAndShow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    {
        // Cold start: a fresh settings directory, so FormCreate also writes
        // the first-run config.ini, as on a first start.
        QTemporaryDir dir;
        auto window = std::make_unique<TFMain>(trv630::createSimulatedLink(), TFMain::Options{dir.path()});
        showAndWait(*window);
        std::printf("first shown window: %.0f ms after process start (%lld ms after main), platform %s\n",
                    msSinceProcessStart(), static_cast<long long>(sinceMain.elapsed()),
                    qPrintable(QGuiApplication::platformName()));
        // A later start finds config.ini and only reads it.
        window->close();
        window.reset();
        QElapsedTimer again;
        again.start();
        window = std::make_unique<TFMain>(trv630::createSimulatedLink(), TFMain::Options{dir.path()});
        showAndWait(*window);
        std::printf("window with an existing config.ini: %lld ms from construction to shown\n",
                    static_cast<long long>(again.elapsed()));
        std::fflush(stdout);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
