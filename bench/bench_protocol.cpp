// Per-report cost of the protocol core, and the hand-over of input reports
// from a reader thread to the GUI thread.
//
//   bench_protocol                                  everything (about 20 s)
//   bench_protocol --benchmark_filter=HandOver      the hand-over figures only
#include "link/ReportPump.h"
#include "link/virtual/SimulatedModule.h"
#include "link/virtual/VirtualHidBus.h"
#include "protocol/InputDispatch.h"
#include "protocol/MeasurementReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

using namespace trv630;

namespace {

// The window's reactions reduced to nothing, so that only the core is timed.
class NullTarget final : public InputReportTarget {
public:
    void measurementDecoded() override { benchmark::ClobberMemory(); }
    void parameterReply(std::span<const std::uint8_t>) override {}
    void sendRequest(Opcode, std::span<const std::uint8_t>) override {}
    void writeAcknowledged(std::uint8_t, std::uint8_t) override {}
};

struct Receiver {
    std::uint32_t reportCount = 0, measurementCount = 0;
    ReceiveBuffer receiveBuffer{};
    MeasurementFrame frame;
    OutputRuleTable table{};
    NullTarget target;
    void receive(std::span<const std::uint8_t> data)
    {
        dispatchInputReport(data, {reportCount, measurementCount, receiveBuffer, frame, table}, target);
    }
};

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

std::vector<SimulatedModule::Report> someReports(int n)
{
    SimulatedModule module;
    std::vector<SimulatedModule::Report> reports;
    while (static_cast<int>(reports.size()) < n)
        if (auto r = module.nextMeasurementReport())
            reports.push_back(*r);
    return reports;
}

void BM_DecodeMeasurement(benchmark::State& state)
{
    const auto reports = someReports(256);
    MeasurementFrame frame;
    std::size_t i = 0;
    for (auto _ : state) {
        decodeMeasurement(reports[i++ & 255], frame);
        benchmark::DoNotOptimize(frame);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeMeasurement);

// onInputReport's core for one measurement report: count, copy, decode.
void BM_DispatchMeasurement(benchmark::State& state)
{
    const auto reports = someReports(256);
    Receiver r;
    std::size_t i = 0;
    for (auto _ : state)
        r.receive(reports[i++ & 255]);
    benchmark::DoNotOptimize(r.frame);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DispatchMeasurement);

// The same for a write acknowledgement that sends the next output-rule part.
void BM_DispatchOutputRuleAck(benchmark::State& state)
{
    Receiver r;
    const std::uint8_t ack[64] = {2, 16, 3};
    for (auto _ : state)
        r.receive(ack);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DispatchOutputRuleAck);

// The simulated module on the virtual bus streams at 8,000 reports/s (125 us)
// for 10 s; the GUI thread runs its event loop and dispatches every report.
// Every delivered report is kept and compared afterwards with a twin module
// that makes the same deterministic sequence: any loss, duplicate or
// reordering breaks the comparison.
void BM_HandOver_SimulatedModule8kHz(benchmark::State& state)
{
    const double seconds = static_cast<double>(state.range(0));
    for (auto _ : state) {
        VirtualHidBus bus;
        auto module = bus.attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), false);
        module->module().setSendIntervalOverride(std::chrono::microseconds(125));
        bus.enumerate([](const HidDeviceInfo&, int) { return true; });
        auto device = bus.checkOut(0);

        Receiver r;
        std::vector<SimulatedModule::Report> delivered;
        delivered.reserve(static_cast<std::size_t>(seconds * 8000 * 1.2));
        std::vector<qint64> stamps;
        stamps.reserve(delivered.capacity());
        device->setDataHandler([&](const InputReport& report) {
            r.receive(report.data);
            SimulatedModule::Report copy{};
            std::memcpy(copy.data(), report.data.data(), std::min(report.data.size(), copy.size()));
            delivered.push_back(copy);
            stamps.push_back(report.arrivalMs);
        });

        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        const double cpu0 = threadCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        module->streamer().start();
        loop.exec();
        module->streamer().stop();
        QCoreApplication::sendPostedEvents(); // the last batch
        const double wallSeconds = wall.nsecsElapsed() * 1e-9;
        const double cpu = threadCpuSeconds() - cpu0;

        const std::uint64_t sent = module->streamer().reportsSent();
        SimulatedModule twin;
        twin.setSendIntervalOverride(std::chrono::microseconds(125));
        std::uint64_t inOrder = 0;
        for (const auto& report : delivered) {
            if (twin.nextMeasurementReport() != report)
                break;
            ++inOrder;
        }
        bool stampsMonotonic = true;
        for (std::size_t i = 1; i < stamps.size(); ++i)
            stampsMonotonic = stampsMonotonic && stamps[i] >= stamps[i - 1];

        state.counters["sent"] = static_cast<double>(sent);
        state.counters["delivered"] = static_cast<double>(delivered.size());
        state.counters["in_order"] = static_cast<double>(inOrder);
        state.counters["lost"] = static_cast<double>(sent - delivered.size());
        state.counters["stamps_monotonic"] = stampsMonotonic ? 1 : 0;
        state.counters["reports_per_s"] = sent / wallSeconds;
        state.counters["gui_busy_pct"] = 100.0 * cpu / wallSeconds;
        if (sent != delivered.size() || inOrder != sent || r.measurementCount != sent)
            state.SkipWithError("reports lost or out of order");
    }
}
BENCHMARK(BM_HandOver_SimulatedModule8kHz)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Highest sustained hand-over rate: a reader thread pushes 64-byte reports
// as fast as it can while the GUI thread drains and dispatches them. Rate =
// reports / time until the last one was handled; each report carries its
// sequence number, checked on delivery.
void BM_HandOver_MaxRate(benchmark::State& state)
{
    const std::uint32_t total = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        ReportPump pump;
        Receiver r;
        std::uint32_t next = 0;
        bool ordered = true;
        QEventLoop loop;
        pump.setHandler([&](const InputReport& report) {
            std::uint32_t n = 0;
            std::memcpy(&n, report.data.data() + 60, sizeof n);
            ordered = ordered && n == next;
            ++next;
            r.receive(report.data);
            if (next == total)
                loop.quit();
        });
        const double cpu0 = threadCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        std::thread reader([&] {
            SimulatedModule::Report report = someReports(1)[0];
            for (std::uint32_t i = 0; i < total; ++i) {
                std::memcpy(report.data() + 60, &i, sizeof i); // unused bytes of the report
                pump.push(report, ReportPump::nowMs());
            }
        });
        loop.exec();
        const double wallSeconds = wall.nsecsElapsed() * 1e-9;
        const double cpu = threadCpuSeconds() - cpu0;
        reader.join();
        const auto stats = pump.stats();
        state.counters["delivered"] = static_cast<double>(next);
        state.counters["lost"] = static_cast<double>(total - next);
        state.counters["in_order"] = ordered ? 1 : 0;
        state.counters["reports_per_s"] = total / wallSeconds;
        state.counters["gui_busy_pct"] = 100.0 * cpu / wallSeconds;
        state.counters["reports_per_wakeup"] = static_cast<double>(stats.delivered) / std::max<std::uint64_t>(1, stats.wakeUps);
        if (!ordered || next != total)
            state.SkipWithError("reports lost or out of order");
    }
}
BENCHMARK(BM_HandOver_MaxRate)->Arg(2000000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the GUI thread's event loop for the hand-over
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
