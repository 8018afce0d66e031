// The per-report path of the measurement file: decode the measurement
// report, build the record with all 24 fields at 4 decimals, append it to a
// real file on disk, and run the one-second save cycle (a tick every second
// of wall-clock time: flush + fdatasync, then the next record closes the
// file and the one after reopens it), exactly as the window does it.
//
// The file is created in $TRV630_BENCH_DIR (default: the current directory)
// and removed afterwards.
#include "log/LocalClock.h"
#include "log/LogRecord.h"
#include "log/LogWriter.h"
#include "protocol/MeasurementReport.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <vector>

using namespace trv630;

namespace {

// Sixty-four different reports with values of realistic magnitude.
std::vector<std::array<std::uint8_t, moduleInputReportSize>> sampleReports()
{
    std::vector<std::array<std::uint8_t, moduleInputReportSize>> reports;
    for (int k = 0; k < 64; ++k) {
        MeasurementFrame f;
        for (int i = 0; i < 4; ++i) {
            f.analog[i].value = 0.1234f * float(k + 1) * float(i + 1);
            f.analog[i].average = 9.87654f - 0.0321f * float(k) * float(i + 1);
        }
        f.encoder[0].position = 1234.5678f + float(k);
        f.encoder[1].position = -98.7654f * float(k);
        f.encoder[0].velocity = 12.34f * float(k % 7);
        f.encoder[1].velocity = -0.5f * float(k);
        f.math = {16.75f * float(k), -1.5f + float(k) / 3.0f};
        f.statusBitsA = static_cast<std::uint8_t>(k & 63);
        reports.push_back(encodeMeasurement(f));
    }
    return reports;
}

QString benchFile()
{
    const QString dir = qEnvironmentVariableIsSet("TRV630_BENCH_DIR")
                            ? qEnvironmentVariable("TRV630_BENCH_DIR")
                            : QDir::currentPath();
    return QDir(dir).filePath(QStringLiteral("bench_log_pomiary.csv"));
}

void BM_ReportToFile(benchmark::State& state)
{
    const auto reports = sampleReports();
    const QString file = benchFile();
    QFile::remove(file);

    LogWriter writer;
    LocalClock clock;
    MeasurementFrame frame;
    std::string record;
    record.reserve(512);
    LogRecordInput in;
    in.frame = &frame;
    in.countMod = 1000;
    in.decimals = 4;
    in.decimalSeparator = u',';
    in.fields = RecordFieldSet::all();
    std::uint32_t count = 0;
    qint64 arrivalMs = 1'733'840'000'000; // advances 1 ms per report
    std::uint64_t bytes = 0;
    auto nextTick = std::chrono::steady_clock::now() + std::chrono::seconds(1);

    for (auto _ : state) {
        const auto& report = reports[count & 63];
        decodeMeasurement(report, frame);
        in.measurementCount = count;
        in.time = clock.at(arrivalMs++);
        buildLogRecord(record, in);
        writer.append(file, record);
        bytes += record.size();
        ++count;
        if ((count & 1023) == 0 && std::chrono::steady_clock::now() >= nextTick) {
            writer.saveCycleTick();
            nextTick += std::chrono::seconds(1);
        }
    }
    writer.close();
    state.SetItemsProcessed(static_cast<std::int64_t>(count));
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["failing"] = writer.failing() ? 1 : 0;
    if (QFile(file).size() != static_cast<qint64>(bytes))
        state.SkipWithError("file size differs from the bytes appended");
    QFile::remove(file);
}
BENCHMARK(BM_ReportToFile)->MinTime(3.0)->Unit(benchmark::kNanosecond);

// The record alone (no file), to see where the time goes.
void BM_BuildRecordOnly(benchmark::State& state)
{
    const auto reports = sampleReports();
    LocalClock clock;
    MeasurementFrame frame;
    std::string record;
    LogRecordInput in;
    in.frame = &frame;
    in.countMod = 1000;
    in.decimals = 4;
    in.decimalSeparator = u',';
    in.fields = RecordFieldSet::all();
    std::uint32_t count = 0;
    qint64 arrivalMs = 1'733'840'000'000;
    for (auto _ : state) {
        decodeMeasurement(reports[count & 63], frame);
        in.measurementCount = count++;
        in.time = clock.at(arrivalMs++);
        buildLogRecord(record, in);
        benchmark::DoNotOptimize(record.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(count));
}
BENCHMARK(BM_BuildRecordOnly);

} // namespace

BENCHMARK_MAIN();
