// Number texts of measured values (the indicators and the measurement file)
// and config.ini access.
//
//   build-x/bench/bench_values --benchmark_min_time=1
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"
#include "values/Reading.h"
#include "values/UnitTexts.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

/// Values as a module sends them: a few units to a few thousand, some
/// negative, some tiny, with all magnitudes of fraction.
std::vector<float> measuredValues()
{
    std::mt19937 rng(630);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-3, 6);
    std::vector<float> values(4096);
    for (float& v : values)
        v = mantissa(rng) * std::pow(10.0f, float(exponent(rng)));
    return values;
}

void BM_FormatReadingTo(benchmark::State& state)
{
    const auto values = measuredValues();
    const int decimals = static_cast<int>(state.range(0));
    char16_t buf[trv630::maxReadingLength];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trv630::formatReadingTo(buf, values[i++ & 4095], decimals, u','));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatReadingTo)->Arg(0)->Arg(2)->Arg(4);

/// The measurement file's way: appended to one record text, reused.
void BM_AppendReading(benchmark::State& state)
{
    const auto values = measuredValues();
    QString record;
    record.reserve(512);
    std::size_t i = 0;
    for (auto _ : state) {
        if ((i & 15) == 0)
            record.resize(0);
        trv630::appendReading(record, values[i++ & 4095], 2, u',');
        record += u';';
    }
    benchmark::DoNotOptimize(record.data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendReading);

/// A new QString per value (the indicator boxes' way).
void BM_FormatReading(benchmark::State& state)
{
    const auto values = measuredValues();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(trv630::formatReading(values[i++ & 4095], 2, u','));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatReading);

/// One whole indicator text (blank, number, unit suffix).
void BM_VelocityText(benchmark::State& state)
{
    trv630::MeasurementFrame frame;
    frame.encoder[0] = {3, -250.125f, 1000.0f};
    const QString unit = QStringLiteral("mm");
    for (auto _ : state)
        benchmark::DoNotOptimize(trv630::velocityText(frame, 0, unit, {2, u','}));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VelocityText);

/// One read of a key from the first-run config.ini (each read parses the file).
void BM_IniRead(benchmark::State& state)
{
    QTemporaryDir dir;
    trv630::IniFile ini(dir.filePath(QStringLiteral("config.ini")));
    trv630::settings::writeFirstRunFile(ini);
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.readInteger("Options", "Language", 0));
}
BENCHMARK(BM_IniRead);

/// One write of a key (read, replace, write through a temporary file).
void BM_IniWrite(benchmark::State& state)
{
    QTemporaryDir dir;
    trv630::IniFile ini(dir.filePath(QStringLiteral("config.ini")));
    trv630::settings::writeFirstRunFile(ini);
    int n = 0;
    for (auto _ : state)
        ini.writeInteger("Options", "Point", n++ & 3);
}
BENCHMARK(BM_IniWrite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
