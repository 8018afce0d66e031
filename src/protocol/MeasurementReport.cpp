#include "protocol/MeasurementReport.h"

#include "protocol/ByteOrder.h"
#include "protocol/Report.h"

namespace trv630 {
namespace {

constexpr std::size_t encoderRecord(std::size_t i) { return 1 + 9 * i; }
constexpr std::size_t analogRecord(std::size_t j) { return 19 + 9 * j; }
constexpr std::size_t mathValue(std::size_t k) { return 55 + 4 * k; }

float floatAt(std::span<const std::uint8_t> data, std::size_t offset)
{
    return loadFloatLE(data.subspan(offset).first<4>());
}

void putFloat(std::span<std::uint8_t> data, std::size_t offset, float value)
{
    storeFloatLE(data.subspan(offset).first<4>(), value);
}

} // namespace

bool decodeMeasurement(std::span<const std::uint8_t> data, MeasurementFrame& frame)
{
    if (data.size() < measurementReportSize)
        return false;

    frame.statusBitsA = static_cast<std::uint8_t>(data[1] >> 2);
    for (std::size_t i = 0; i < frame.encoder.size(); ++i) {
        const std::size_t r = encoderRecord(i);
        frame.encoder[i].mode = data[r] & 3;
        frame.encoder[i].velocity = floatAt(data, r + 1);
        frame.encoder[i].position = floatAt(data, r + 5);
    }
    for (std::size_t j = 0; j < frame.analog.size(); ++j) {
        const std::size_t r = analogRecord(j);
        frame.analog[j].mode = data[r] & 3;
        frame.analog[j].value = floatAt(data, r + 1);
        frame.analog[j].average = floatAt(data, r + 5);
    }
    frame.statusBitsB = static_cast<std::uint8_t>(data[analogRecord(3)] >> 2);
    for (std::size_t k = 0; k < frame.math.size(); ++k)
        frame.math[k] = floatAt(data, mathValue(k));
    return true;
}

std::array<std::uint8_t, moduleInputReportSize> encodeMeasurement(const MeasurementFrame& frame)
{
    std::array<std::uint8_t, moduleInputReportSize> report{};
    std::span<std::uint8_t> data(report);
    data[0] = static_cast<std::uint8_t>(ReportKind::MeasurementReport);
    for (std::size_t i = 0; i < frame.encoder.size(); ++i) {
        const std::size_t r = encoderRecord(i);
        data[r] = frame.encoder[i].mode & 3;
        putFloat(data, r + 1, frame.encoder[i].velocity);
        putFloat(data, r + 5, frame.encoder[i].position);
    }
    data[encoderRecord(0)] |= static_cast<std::uint8_t>((frame.statusBitsA & 0x3F) << 2);
    for (std::size_t j = 0; j < frame.analog.size(); ++j) {
        const std::size_t r = analogRecord(j);
        data[r] = frame.analog[j].mode & 3;
        putFloat(data, r + 1, frame.analog[j].value);
        putFloat(data, r + 5, frame.analog[j].average);
    }
    data[analogRecord(3)] |= static_cast<std::uint8_t>((frame.statusBitsB & 0x3F) << 2);
    for (std::size_t k = 0; k < frame.math.size(); ++k)
        putFloat(data, mathValue(k), frame.math[k]);
    return report;
}

} // namespace trv630
