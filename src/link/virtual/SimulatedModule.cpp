#include "link/virtual/SimulatedModule.h"

#include <cmath>
#include <numbers>

namespace trv630 {
namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr std::array<double, 4> analogPeriod{8.0, 13.0, 21.0, 34.0};
constexpr std::array<double, 4> analogPhase{0.0, 1.0, 2.0, 3.0};
constexpr std::array<double, 2> encoderSpeed{2.5, -1.0};  // rev/s
constexpr std::array<double, 2> encoderWobble{0.5, 0.25}; // rev/s
constexpr std::array<double, 2> encoderPeriod{30.0, 45.0};
constexpr double mmPerRevolution = 10.0;

struct Sine {
    double centre, amplitude;
};

Sine analogSine(std::uint8_t mode)
{
    return mode == 0 ? Sine{5.0, 4.0} : Sine{12.0, 7.0}; // V or mA
}

double analogRaw(int j, std::uint8_t mode, double t)
{
    const Sine s = analogSine(mode);
    const double w = twoPi / analogPeriod[j];
    return s.centre + s.amplitude * std::sin(w * t + analogPhase[j]);
}

// Mean of analogRaw over [t - 1 s, t].
double analogMean(int j, std::uint8_t mode, double t)
{
    const Sine s = analogSine(mode);
    const double w = twoPi / analogPeriod[j];
    const double p = analogPhase[j];
    return s.centre + s.amplitude * (std::cos(w * (t - 1.0) + p) - std::cos(w * t + p)) / w;
}

double encoderVelocityRaw(int i, double t)
{
    return encoderSpeed[i] + encoderWobble[i] * std::sin(twoPi / encoderPeriod[i] * t);
}

// The register M of a math channel (MathRegister codes 0 to 11).
double mathRegisterValue(std::uint8_t code, double m, const MeasurementFrame& f)
{
    const double e1 = f.encoder[0].position, e2 = f.encoder[1].position;
    switch (code) {
    case 1: return e1;
    case 2: return e2;
    case 3: return e1 + e2;
    case 4: return e1 - e2;
    case 5: return e2 - e1;
    case 6: return m * e1;
    case 7: return m * e2;
    case 8: return m * (e1 + e2);
    case 9: return m * (e1 - e2);
    case 10: return m * (e2 - e1);
    case 11: return std::fabs(double(f.encoder[0].velocity) - f.encoder[1].velocity);
    default: return m;
    }
}

// MathMode codes 0 to 24 (the list of the math page).
double mathFunction(std::uint8_t code, double m, const MeasurementFrame& f)
{
    const bool upper = code >= 12 && code <= 23; // ADC3/ADC4 half of the list
    const double a = f.analog[upper ? 2 : 0].value;
    const double b = f.analog[upper ? 3 : 1].value;
    switch (upper ? code - 12 : code) {
    case 0: return a + b;
    case 1: return a - b;
    case 2: return -a - b;
    case 3: return m - a - b;
    case 4: return m + a + b;
    case 5: return m + a - b;
    case 6: return m + a;
    case 7: return m + b;
    case 8: return m - a;
    case 9: return m - b;
    case 10: return m * (a + b);
    case 11: return m * (a - b);
    default: return m; // 24 "M1"; unknown codes
    }
}

} // namespace

SimulatedModule::SimulatedModule()
{
    std::lock_guard lock(mutex_);
    refreshConfig();
}

std::vector<std::vector<std::uint8_t>> SimulatedModule::askStore(ParameterId id, std::uint8_t index)
{
    const std::array<std::uint8_t, 4> request{outputReportId, static_cast<std::uint8_t>(Opcode::ReadRequest),
                                              toByte(id), index};
    return store_.handleRequest(request);
}

void SimulatedModule::refreshConfig()
{
    // The store answers read requests like the module would; a missing or
    // short answer keeps a neutral setting (coefficient 1, offsets 0).
    auto value = [&](ParameterId id, std::uint8_t index) -> std::vector<std::uint8_t> {
        for (auto& reply : askStore(id, index))
            if (reply.size() > 3 && reply[0] == 1 && reply[1] == toByte(id) && reply[2] == index)
                return {reply.begin() + 3, reply.end()};
        return {};
    };
    for (std::uint8_t j = 0; j < 4; ++j) {
        AdcConfigValue neutral;
        neutral.coeff = 1.0f;
        config_.adc[j] = decodeAdcConfig(value(ParameterId::AdcConfig, j)).value_or(neutral);
    }
    for (std::uint8_t i = 0; i < 2; ++i) {
        EncConfigValue neutral;
        neutral.coeff = 1.0f;
        config_.enc[i] = decodeEncConfig(value(ParameterId::EncConfig, i)).value_or(neutral);
        const auto mode = value(ParameterId::MathMode, i);
        config_.mathMode[i] = mode.empty() ? 0 : mode[0];
        const auto reg = value(ParameterId::MathRegister, i);
        config_.mathRegister[i] = reg.empty() ? 0 : reg[0];
        const auto factor = value(ParameterId::MathFactor, i);
        config_.mathFactor[i] = factor.size() >= 4 ? readFloat32LE(factor, 0) : 1.0f;
    }
    const auto trigger = value(ParameterId::TriggerMode, 0);
    config_.triggerMode = trigger.empty() ? 0 : trigger[0];
}

std::vector<std::vector<std::uint8_t>> SimulatedModule::handleOutputReport(std::span<const std::uint8_t> report)
{
    std::lock_guard lock(mutex_);
    auto replies = store_.handleRequest(report);
    if (report.size() >= 3 && report[1] == static_cast<std::uint8_t>(Opcode::WriteRequest)) {
        if (report[2] == toByte(ParameterId::EncClearPosition) && report.size() >= 4 && report[3] < 2)
            positionZero_[report[3]] = rawPosition(report[3], time_) + positionZero_[report[3]];
        refreshConfig();
    }
    return replies;
}

double SimulatedModule::rawPosition(int i, double t) const
{
    const double w = twoPi / encoderPeriod[i];
    return encoderSpeed[i] * t + encoderWobble[i] * (1.0 - std::cos(w * t)) / w - positionZero_[i];
}

MeasurementFrame SimulatedModule::frameAt(double t) const
{
    MeasurementFrame f;
    for (int j = 0; j < 4; ++j) {
        const AdcConfigValue& c = config_.adc[j];
        const std::uint8_t mode = c.mode & 3;
        auto scaled = [&](double raw) { return float((raw + c.offset1) * c.coeff + c.offset2); };
        f.analog[j] = {mode, scaled(analogRaw(j, mode, t)), scaled(analogMean(j, mode, t))};
    }
    for (int i = 0; i < 2; ++i) {
        const EncConfigValue& c = config_.enc[i];
        const std::uint8_t mode = c.mode & 3;
        const double length = mode >= 2 ? mmPerRevolution : 1.0;
        const double perTime = (mode == 1 || mode == 3) ? 60.0 : 1.0;
        f.encoder[i].mode = mode;
        f.encoder[i].velocity = float(encoderVelocityRaw(i, t) * length * perTime * c.coeff);
        f.encoder[i].position = float(rawPosition(i, t) * length * c.coeff + c.offset);
    }
    for (int k = 0; k < 2; ++k) {
        const double m = mathRegisterValue(config_.mathRegister[k], config_.mathFactor[k], f);
        f.math[k] = float(mathFunction(config_.mathMode[k], m, f));
    }
    const bool in1 = std::fmod(t, 4.0) < 1.0;
    const bool in2 = std::fmod(t, 6.0) >= 3.0;
    f.statusBitsB = static_cast<std::uint8_t>((in1 ? 1 : 0) | (in2 ? 2 : 0));
    f.statusBitsA = store_.outputBits(f) & 0x3F;
    return f;
}

MeasurementFrame SimulatedModule::measurementAt(double t) const
{
    std::lock_guard lock(mutex_);
    return frameAt(t);
}

double SimulatedModule::moduleTime() const
{
    std::lock_guard lock(mutex_);
    return time_;
}

std::optional<SimulatedModule::Report> SimulatedModule::nextMeasurementReport()
{
    std::lock_guard lock(mutex_);
    time_ += std::chrono::duration<double>(intervalLocked()).count();
    const MeasurementFrame f = frameAt(time_);
    const bool in1 = (f.statusBitsB & 1) != 0;
    const bool rising = in1 && !in1WasActive_;
    in1WasActive_ = in1;
    if ((config_.triggerMode == 1 && !in1) || (config_.triggerMode == 2 && !rising))
        return std::nullopt;
    return encodeMeasurement(f);
}

std::chrono::nanoseconds SimulatedModule::intervalLocked() const
{
    if (intervalOverride_)
        return *intervalOverride_;
    return std::chrono::milliseconds(std::max(1, store_.sendIntervalMs()));
}

std::chrono::nanoseconds SimulatedModule::sendInterval() const
{
    std::lock_guard lock(mutex_);
    return intervalLocked();
}

void SimulatedModule::setSendIntervalOverride(std::optional<std::chrono::nanoseconds> interval)
{
    std::lock_guard lock(mutex_);
    if (interval && interval->count() <= 0)
        interval.reset();
    intervalOverride_ = interval;
}

} // namespace trv630
