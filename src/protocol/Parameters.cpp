#include "protocol/Parameters.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace trv630 {

const ParameterInfo* findParameter(std::uint8_t id)
{
    for (const ParameterInfo& p : parameterCatalogue)
        if (toByte(p.id) == id)
            return &p;
    return nullptr;
}

std::size_t valueSize(ValueLayout layout)
{
    switch (layout) {
    case ValueLayout::None: return 0;
    case ValueLayout::Code: return 1;
    case ValueLayout::Int32: return 4;
    case ValueLayout::Float32: return 4;
    case ValueLayout::OutputRule: return outputRuleWireSize;
    case ValueLayout::EthernetConfig: return 12;
    case ValueLayout::AdcConfig: return 21;
    case ValueLayout::EncConfig: return 17;
    case ValueLayout::FirmwareVersion: return 4;
    case ValueLayout::Temperature: return 2;
    case ValueLayout::Diagnostics: return 42;
    }
    return 0;
}

bool replyAccepted(std::uint8_t id, std::uint8_t index)
{
    const ParameterInfo* info = findParameter(id);
    if (!info || info->read != ReadAccess::Direct)
        return false;
    return !info->replyUsesIndex || index <= info->maxIndex;
}

// ---- byte order --------------------------------------------------------------

namespace {

bool fits(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t n)
{
    return offset <= bytes.size() && bytes.size() - offset >= n;
}

} // namespace

std::int32_t readInt32LE(std::span<const std::uint8_t> b, std::size_t o)
{
    if (!fits(b, o, 4))
        return 0;
    return static_cast<std::int32_t>(std::uint32_t(b[o]) | std::uint32_t(b[o + 1]) << 8 |
                                     std::uint32_t(b[o + 2]) << 16 | std::uint32_t(b[o + 3]) << 24);
}

float readFloat32LE(std::span<const std::uint8_t> b, std::size_t o)
{
    return std::bit_cast<float>(readInt32LE(b, o));
}

std::int32_t readInt32BE(std::span<const std::uint8_t> b, std::size_t o)
{
    if (!fits(b, o, 4))
        return 0;
    return static_cast<std::int32_t>(std::uint32_t(b[o]) << 24 | std::uint32_t(b[o + 1]) << 16 |
                                     std::uint32_t(b[o + 2]) << 8 | std::uint32_t(b[o + 3]));
}

std::int16_t readInt16BE(std::span<const std::uint8_t> b, std::size_t o)
{
    if (!fits(b, o, 2))
        return 0;
    return static_cast<std::int16_t>(std::uint16_t(b[o]) << 8 | std::uint16_t(b[o + 1]));
}

void writeInt32LE(std::span<std::uint8_t> b, std::size_t o, std::int32_t value)
{
    if (o > b.size() || b.size() - o < 4)
        return;
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        b[o + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void writeFloat32LE(std::span<std::uint8_t> b, std::size_t o, float value)
{
    writeInt32LE(b, o, std::bit_cast<std::int32_t>(value));
}

void writeInt32BE(std::span<std::uint8_t> b, std::size_t o, std::int32_t value)
{
    if (o > b.size() || b.size() - o < 4)
        return;
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        b[o + i] = static_cast<std::uint8_t>(u >> (24 - 8 * i));
}

void writeInt16BE(std::span<std::uint8_t> b, std::size_t o, std::int16_t value)
{
    if (o > b.size() || b.size() - o < 2)
        return;
    const auto u = static_cast<std::uint16_t>(value);
    b[o] = static_cast<std::uint8_t>(u >> 8);
    b[o + 1] = static_cast<std::uint8_t>(u);
}

std::int32_t clampToLimits(const ParameterInfo& info, std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, info.minimum, info.maximum));
}

// ---- write payloads --------------------------------------------------------------

std::array<std::uint8_t, 2> commandPayload(ParameterId id, std::uint8_t index)
{
    return {toByte(id), index};
}

std::array<std::uint8_t, 2> readPayload(ParameterId id, std::uint8_t index)
{
    return {toByte(id), index};
}

std::array<std::uint8_t, 3> choicePayload(ParameterId id, std::uint8_t index, std::uint8_t code)
{
    return {toByte(id), index, code};
}

std::array<std::uint8_t, 6> int32Payload(ParameterId id, std::uint8_t index, std::int32_t value)
{
    std::array<std::uint8_t, 6> p{toByte(id), index};
    writeInt32LE(p, 2, value);
    return p;
}

std::array<std::uint8_t, 6> float32Payload(ParameterId id, std::uint8_t index, float value)
{
    std::array<std::uint8_t, 6> p{toByte(id), index};
    writeFloat32LE(p, 2, value);
    return p;
}

std::array<std::uint8_t, 13> ethernetPayload(const EthernetBytes& octets)
{
    std::array<std::uint8_t, 13> p{toByte(ParameterId::EthernetConfig)};
    std::copy(octets.begin(), octets.end(), p.begin() + 1);
    return p;
}

// ---- value decoders ----------------------------------------------------------------

std::optional<OutputRuleEntry> decodeOutputRule(std::span<const std::uint8_t> v)
{
    if (v.size() < outputRuleWireSize)
        return std::nullopt;
    // bytes 0-4: source, condition 1, condition 2, combination, state;
    // bytes 5-8: value 1, float32 LE; bytes 9-12: value 2, float32 LE
    return OutputRuleEntry{v[0], v[1], v[2], v[3], v[4], readFloat32LE(v, 5), readFloat32LE(v, 9)};
}

std::optional<AdcConfigValue> decodeAdcConfig(std::span<const std::uint8_t> v)
{
    if (v.size() < valueSize(ValueLayout::AdcConfig))
        return std::nullopt;
    // byte 0 mode; 1-4 continuous filter; 5-8 averaging filter; 9-12 multiplier;
    // 13-16 offset 1; 17-20 offset 2
    return AdcConfigValue{v[0],
                          readInt32LE(v, 1),
                          readInt32LE(v, 5),
                          readFloat32LE(v, 9),
                          readFloat32LE(v, 13),
                          readFloat32LE(v, 17)};
}

std::optional<EncConfigValue> decodeEncConfig(std::span<const std::uint8_t> v)
{
    if (v.size() < valueSize(ValueLayout::EncConfig))
        return std::nullopt;
    // byte 0 mode; 1-4 gate time [ms]; 5-8 resolution [pulses]; 9-12 multiplier; 13-16 offset
    return EncConfigValue{v[0], readInt32LE(v, 1), readInt32LE(v, 5), readFloat32LE(v, 9),
                          readFloat32LE(v, 13)};
}

std::optional<DiagnosticsRecord> decodeDiagnostics(std::span<const std::uint8_t> v)
{
    if (v.size() < valueSize(ValueLayout::Diagnostics))
        return std::nullopt;
    // nine int32 BE counters at 0, 4, ..., 32; then T, TMI, TMX as int16 BE at 36, 38, 40
    DiagnosticsRecord r;
    std::int32_t* counters[] = {&r.BC, &r.FRA, &r.FRC, &r.TC, &r.FE, &r.ORE, &r.NE, &r.PE, &r.ID};
    for (std::size_t i = 0; i < 9; ++i)
        *counters[i] = readInt32BE(v, 4 * i);
    r.T = readInt16BE(v, 36);
    r.TMI = readInt16BE(v, 38);
    r.TMX = readInt16BE(v, 40);
    return r;
}

std::optional<std::int16_t> decodeTemperatureTenths(std::span<const std::uint8_t> v)
{
    if (v.size() < 2)
        return std::nullopt;
    return readInt16BE(v, 0);
}

std::optional<EthernetBytes> decodeEthernet(std::span<const std::uint8_t> v)
{
    if (v.size() < 12)
        return std::nullopt;
    EthernetBytes e{};
    std::copy_n(v.begin(), 12, e.begin());
    return e;
}

std::optional<std::array<char, 4>> decodeFirmwareVersion(std::span<const std::uint8_t> v)
{
    if (v.size() < 4)
        return std::nullopt;
    return std::array<char, 4>{char(v[0]), char(v[1]), char(v[2]), char(v[3])};
}

// ---- value encoders -----------------------------------------------------------------

void encodeOutputRule(std::span<std::uint8_t> v, const OutputRuleEntry& r)
{
    if (v.size() < outputRuleWireSize)
        return;
    v[0] = r.source;
    v[1] = r.condition1;
    v[2] = r.condition2;
    v[3] = r.combination;
    v[4] = r.state;
    writeFloat32LE(v, 5, r.value1);
    writeFloat32LE(v, 9, r.value2);
}

void encodeAdcConfig(std::span<std::uint8_t> v, const AdcConfigValue& c)
{
    if (v.size() < valueSize(ValueLayout::AdcConfig))
        return;
    v[0] = c.mode;
    writeInt32LE(v, 1, c.continuousFilter);
    writeInt32LE(v, 5, c.averagingFilter);
    writeFloat32LE(v, 9, c.coeff);
    writeFloat32LE(v, 13, c.offset1);
    writeFloat32LE(v, 17, c.offset2);
}

void encodeEncConfig(std::span<std::uint8_t> v, const EncConfigValue& c)
{
    if (v.size() < valueSize(ValueLayout::EncConfig))
        return;
    v[0] = c.mode;
    writeInt32LE(v, 1, c.gateTime);
    writeInt32LE(v, 5, c.resolution);
    writeFloat32LE(v, 9, c.coeff);
    writeFloat32LE(v, 13, c.offset);
}

void encodeDiagnostics(std::span<std::uint8_t> v, const DiagnosticsRecord& r)
{
    if (v.size() < valueSize(ValueLayout::Diagnostics))
        return;
    const std::int32_t counters[] = {r.BC, r.FRA, r.FRC, r.TC, r.FE, r.ORE, r.NE, r.PE, r.ID};
    for (std::size_t i = 0; i < 9; ++i)
        writeInt32BE(v, 4 * i, counters[i]);
    writeInt16BE(v, 36, r.T);
    writeInt16BE(v, 38, r.TMI);
    writeInt16BE(v, 40, r.TMX);
}

} // namespace trv630
