#include "link/virtual/ModuleParameters.h"

#include <algorithm>

namespace trv630 {

ModuleParameters::ModuleParameters()
{
    // Factory defaults of a module fresh from the box.
    adc.fill(AdcConfigValue{0, 1, 1, 1.0f, 0.0f, 0.0f});
    enc.fill(EncConfigValue{0, 1000, 1000, 1.0f, 0.0f});
    mathFactor.fill(1.0f);
    ethernet = {192, 168, 0, 100, 255, 255, 255, 0, 192, 168, 0, 1};
    firmwareVersion = {'1', '.', '0', '5'};
    temperatureTenths = 253; // 25.3 degrees
    diagnostics.T = temperatureTenths;
    diagnostics.TMI = 214;
    diagnostics.TMX = 297;
}

std::vector<std::vector<std::uint8_t>> ModuleParameters::handleRequest(std::span<const std::uint8_t> report)
{
    // byte 0 report id, byte 1 opcode, byte 2 id, byte 3 index (or the first octet)
    if (report.size() < 3)
        return {};
    const std::uint8_t opcode = report[1];
    const ParameterInfo* info = findParameter(report[2]);
    if (!info)
        return {};

    if (opcode == static_cast<std::uint8_t>(Opcode::WriteRequest)) {
        if (!info->writable)
            return {};
        const std::size_t valueOffset = info->writeHasIndex ? 4 : 3;
        const std::uint8_t index = info->writeHasIndex && report.size() > 3 ? report[3] : 0;
        if (report.size() < valueOffset + valueSize(info->layout) || index > info->maxIndex)
            return {};
        store(*info, index, report.subspan(valueOffset));
        ++diagnostics.BC;
        return {{static_cast<std::uint8_t>(ReportKind::WriteAck), toByte(info->id), index}};
    }
    if (opcode == static_cast<std::uint8_t>(Opcode::ReadRequest)) {
        if (report.size() < 4 || info->read != ReadAccess::Direct || report[3] > info->maxIndex)
            return {};
        ++diagnostics.BC;
        return {reply(*info, report[3])};
    }
    return {};
}

void ModuleParameters::store(const ParameterInfo& info, std::uint8_t i, std::span<const std::uint8_t> v)
{
    // Integers are stored within the catalogue limits, as the firmware does.
    const auto code = v.empty() ? std::uint8_t(0) : v[0];
    const auto integer = [&] { return clampToLimits(info, readInt32LE(v, 0)); };
    const auto real = [&] { return readFloat32LE(v, 0); };
    switch (info.id) {
    case ParameterId::AdcMode: adc[i].mode = code; break;
    case ParameterId::AdcContinuousFilter: adc[i].continuousFilter = integer(); break;
    case ParameterId::AdcAveragingFilter: adc[i].averagingFilter = integer(); break;
    case ParameterId::AdcCoeff: adc[i].coeff = real(); break;
    case ParameterId::AdcOffset1: adc[i].offset1 = real(); break;
    case ParameterId::AdcOffset2: adc[i].offset2 = real(); break;
    case ParameterId::EncMode: enc[i].mode = code; break;
    case ParameterId::EncGateTime: enc[i].gateTime = integer(); break;
    case ParameterId::EncResolution: enc[i].resolution = integer(); break;
    case ParameterId::EncCoeff: enc[i].coeff = real(); break;
    case ParameterId::EncOffset: enc[i].offset = real(); break;
    case ParameterId::EncClearPosition: ++encoderClears[i]; break;
    case ParameterId::MathMode: mathMode[i] = code; break;
    case ParameterId::MathRegister: mathRegister[i] = code; break;
    case ParameterId::MathFactor: mathFactor[i] = real(); break;
    case ParameterId::MathCalibrate: mathCalibration[i] = real(); break;
    case ParameterId::TriggerMode: triggerMode = code; break;
    case ParameterId::SendInterval: sendInterval = integer(); break;
    case ParameterId::TriggerFilter: triggerFilter = integer(); break;
    case ParameterId::MasterMode: masterMode = code; break;
    case ParameterId::MasterRegisterType: masterRegisterType[i] = code; break;
    case ParameterId::OutputRule: outputRules[i] = *decodeOutputRule(v); break;
    case ParameterId::ModbusAddress: modbusAddress = code; break;
    case ParameterId::ModbusBaudRate: modbusBaudRate = code; break;
    case ParameterId::EthernetConfig: ethernet = *decodeEthernet(v); break;
    default: break; // read-only ids never get here
    }
}

std::vector<std::uint8_t> ModuleParameters::reply(const ParameterInfo& info, std::uint8_t i) const
{
    std::vector<std::uint8_t> r(3 + valueSize(info.layout));
    r[0] = static_cast<std::uint8_t>(ReportKind::ParameterValue);
    r[1] = toByte(info.id);
    r[2] = i;
    const std::span<std::uint8_t> v = std::span(r).subspan(3);
    switch (info.id) {
    case ParameterId::AdcConfig: encodeAdcConfig(v, adc[i]); break;
    case ParameterId::EncConfig: encodeEncConfig(v, enc[i]); break;
    case ParameterId::MathMode: v[0] = mathMode[i]; break;
    case ParameterId::MathRegister: v[0] = mathRegister[i]; break;
    case ParameterId::MathFactor: writeFloat32LE(v, 0, mathFactor[i]); break;
    case ParameterId::TriggerMode: v[0] = triggerMode; break;
    case ParameterId::SendInterval: writeInt32LE(v, 0, sendInterval); break;
    case ParameterId::TriggerFilter: writeInt32LE(v, 0, triggerFilter); break;
    case ParameterId::MasterMode: v[0] = masterMode; break;
    case ParameterId::MasterRegisterType: v[0] = masterRegisterType[i]; break;
    case ParameterId::OutputRule: encodeOutputRule(v, outputRules[i]); break;
    case ParameterId::ModbusAddress: v[0] = modbusAddress; break;
    case ParameterId::ModbusBaudRate: v[0] = modbusBaudRate; break;
    case ParameterId::EthernetConfig: std::copy(ethernet.begin(), ethernet.end(), v.begin()); break;
    case ParameterId::FirmwareVersion: std::copy(firmwareVersion.begin(), firmwareVersion.end(), v.begin()); break;
    case ParameterId::Temperature: writeInt16BE(v, 0, temperatureTenths); break;
    case ParameterId::Diagnostics: encodeDiagnostics(v, diagnostics); break;
    default: break;
    }
    return r;
}

int ModuleParameters::sendIntervalMs() const
{
    return std::clamp<int>(sendInterval, 1, 60000);
}

float ModuleParameters::sourceValue(const MeasurementFrame& f, std::uint8_t source)
{
    // 2..5 ADC value, 6..9 ADC average, 10..11 encoder position,
    // 12..13 encoder velocity, 14..15 MATH
    if (source >= 2 && source <= 5)
        return f.analog[source - 2].value;
    if (source >= 6 && source <= 9)
        return f.analog[source - 6].average;
    if (source >= 10 && source <= 11)
        return f.encoder[source - 10].position;
    if (source >= 12 && source <= 13)
        return f.encoder[source - 12].velocity;
    if (source >= 14 && source <= 15)
        return f.math[source - 14];
    return 0.0f;
}

namespace {

bool conditionMet(std::uint8_t condition, float value, float limit)
{
    return condition == 0 ? value < limit : value > limit; // 0 "smaller", 1 "larger"
}

} // namespace

std::uint8_t ModuleParameters::outputBits(const MeasurementFrame& frame) const
{
    std::uint8_t bits = 0;
    for (std::size_t k = 0; k < outputRules.size(); ++k) {
        const OutputRuleEntry& r = outputRules[k];
        bool on = false;
        if (r.source == 1) {
            on = true; // "always active"
        } else if (r.source >= 2 && r.source <= 15) {
            const float v = sourceValue(frame, r.source);
            const bool c1 = conditionMet(r.condition1, v, r.value1);
            const bool c2 = conditionMet(r.condition2, v, r.value2);
            // The list items name the combination "[and]" (1) and "[or]" (2).
            const bool met = r.combination == 1 ? (c1 && c2) : r.combination == 2 ? (c1 || c2) : c1;
            on = met ? r.state == 1 : r.state != 1;
        }
        if (on)
            bits |= std::uint8_t(1u << k);
    }
    return bits;
}

} // namespace trv630
