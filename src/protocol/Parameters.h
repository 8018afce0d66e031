// The module's parameters: one catalogue that the write handlers, the reply
// handling, the pages and the simulated module all read, and the pure
// encoders/decoders of their wire layouts.
//
// Wire conventions (requests and replies):
//   write request payload: id, index, value bytes (EncClearPosition: no value;
//                          EthernetConfig: no index, the twelve octets follow the id)
//   read request payload:  id, index
//   reply (kind 1):        byte 0 = 1, byte 1 = id, byte 2 = index, value from byte 3
// Integers are int32 and floats IEEE-754 single, both little-endian, except
// Temperature and the Diagnostics record, which are big-endian.
//
// Everything here is pure code over byte spans; no I/O, no widgets.
#pragma once

#include "protocol/OutputRule.h"
#include "protocol/Report.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace trv630 {

enum class ParameterId : std::uint8_t {
    AdcMode = 1,
    AdcContinuousFilter = 2,
    AdcAveragingFilter = 3,
    AdcCoeff = 4,
    AdcOffset1 = 5,
    EncMode = 6,
    EncGateTime = 7,
    EncResolution = 8,
    EncCoeff = 9,
    EncOffset = 10,
    MathMode = 11,
    MathFactor = 12,
    TriggerMode = 13,
    SendInterval = 14,
    TriggerFilter = 15,
    OutputRule = 16,
    AdcConfig = 17,
    EncConfig = 18,
    EncClearPosition = 20,
    MathCalibrate = 21,
    ModbusAddress = 23,
    ModbusBaudRate = 24,
    MathRegister = 25,
    AdcOffset2 = 26,
    FirmwareVersion = 27,
    MasterMode = 28,
    MasterRegisterType = 29,
    Diagnostics = 30,
    Temperature = 31,
    EthernetConfig = 32,
};

constexpr std::uint8_t toByte(ParameterId id) { return static_cast<std::uint8_t>(id); }

/// How a parameter's value is laid out after id and index.
enum class ValueLayout : std::uint8_t {
    None,            ///< no value (a command)
    Code,            ///< 1 byte: list position (ModbusAddress: the address itself)
    Int32,           ///< int32 LE, clamped to [minimum, maximum] by the writer
    Float32,         ///< float32 LE
    OutputRule,      ///< 5 code bytes, float32 LE, float32 LE (13 bytes)
    EthernetConfig,  ///< 12 octets: address, mask, gateway
    AdcConfig,       ///< code, int32, int32, float32, float32, float32 (21 bytes)
    EncConfig,       ///< code, int32, int32, float32, float32 (17 bytes)
    FirmwareVersion, ///< 4 characters
    Temperature,     ///< int16 BE, tenths of a degree
    Diagnostics,     ///< 9 x int32 BE, 3 x int16 BE (42 bytes)
};

/// Whether and how the value can be read back.
enum class ReadAccess : std::uint8_t {
    No,
    Direct,
    ThroughAdcConfig, ///< only as part of the AdcConfig reply (id 17)
    ThroughEncConfig, ///< only as part of the EncConfig reply (id 18)
};

struct ParameterInfo {
    ParameterId id;
    std::string_view name;
    std::uint8_t maxIndex;   ///< highest valid index (channel, output or register)
    ValueLayout layout;
    std::int32_t minimum;    ///< Int32 / Code limits; 0 where none apply
    std::int32_t maximum;
    ReadAccess read;
    bool writable;
    bool writeHasIndex;      ///< false only for EthernetConfig
    bool replyUsesIndex;     ///< false: the reply's index byte is ignored (single parameters)
};

// clang-format off
inline constexpr std::array<ParameterInfo, 30> parameterCatalogue{{
    // id                               name                   idx layout                        min    max    read                          write  index  replyIdx
    {ParameterId::AdcMode,             "AdcMode",             3, ValueLayout::Code,            0,     1,     ReadAccess::ThroughAdcConfig, true,  true,  true},
    {ParameterId::AdcContinuousFilter, "AdcContinuousFilter", 3, ValueLayout::Int32,           1,     700,   ReadAccess::ThroughAdcConfig, true,  true,  true},
    {ParameterId::AdcAveragingFilter,  "AdcAveragingFilter",  3, ValueLayout::Int32,           1,     60000, ReadAccess::ThroughAdcConfig, true,  true,  true},
    {ParameterId::AdcCoeff,            "AdcCoeff",            3, ValueLayout::Float32,         0,     0,     ReadAccess::ThroughAdcConfig, true,  true,  true},
    {ParameterId::AdcOffset1,          "AdcOffset1",          3, ValueLayout::Float32,         0,     0,     ReadAccess::ThroughAdcConfig, true,  true,  true},
    {ParameterId::EncMode,             "EncMode",             1, ValueLayout::Code,            0,     3,     ReadAccess::ThroughEncConfig, true,  true,  true},
    {ParameterId::EncGateTime,         "EncGateTime",         1, ValueLayout::Int32,           1,     60000, ReadAccess::ThroughEncConfig, true,  true,  true},
    {ParameterId::EncResolution,       "EncResolution",       1, ValueLayout::Int32,           1,     10000, ReadAccess::ThroughEncConfig, true,  true,  true},
    {ParameterId::EncCoeff,            "EncCoeff",            1, ValueLayout::Float32,         0,     0,     ReadAccess::ThroughEncConfig, true,  true,  true},
    {ParameterId::EncOffset,           "EncOffset",           1, ValueLayout::Float32,         0,     0,     ReadAccess::ThroughEncConfig, true,  true,  true},
    {ParameterId::MathMode,            "MathMode",            1, ValueLayout::Code,            0,     24,    ReadAccess::Direct,           true,  true,  true},
    {ParameterId::MathFactor,          "MathFactor",          1, ValueLayout::Float32,         0,     0,     ReadAccess::Direct,           true,  true,  true},
    {ParameterId::TriggerMode,         "TriggerMode",         0, ValueLayout::Code,            0,     2,     ReadAccess::Direct,           true,  true,  false},
    {ParameterId::SendInterval,        "SendInterval",        0, ValueLayout::Int32,           1,     60000, ReadAccess::Direct,           true,  true,  false},
    {ParameterId::TriggerFilter,       "TriggerFilter",       0, ValueLayout::Int32,           0,     60000, ReadAccess::Direct,           true,  true,  false},
    {ParameterId::OutputRule,          "OutputRule",          5, ValueLayout::OutputRule,      0,     0,     ReadAccess::Direct,           true,  true,  true},
    {ParameterId::AdcConfig,           "AdcConfig",           3, ValueLayout::AdcConfig,       0,     0,     ReadAccess::Direct,           false, true,  true},
    {ParameterId::EncConfig,           "EncConfig",           1, ValueLayout::EncConfig,       0,     0,     ReadAccess::Direct,           false, true,  true},
    {ParameterId::EncClearPosition,    "EncClearPosition",    1, ValueLayout::None,            0,     0,     ReadAccess::No,               true,  true,  true},
    {ParameterId::MathCalibrate,       "MathCalibrate",       1, ValueLayout::Float32,         0,     0,     ReadAccess::No,               true,  true,  true},
    {ParameterId::ModbusAddress,       "ModbusAddress",       0, ValueLayout::Code,            1,     247,   ReadAccess::Direct,           true,  true,  false},
    {ParameterId::ModbusBaudRate,      "ModbusBaudRate",      0, ValueLayout::Code,            0,     5,     ReadAccess::Direct,           true,  true,  false},
    {ParameterId::MathRegister,        "MathRegister",        1, ValueLayout::Code,            0,     11,    ReadAccess::Direct,           true,  true,  true},
    {ParameterId::AdcOffset2,          "AdcOffset2",          3, ValueLayout::Float32,         0,     0,     ReadAccess::ThroughAdcConfig, true,  true,  true},
    {ParameterId::FirmwareVersion,     "FirmwareVersion",     0, ValueLayout::FirmwareVersion, 0,     0,     ReadAccess::Direct,           false, true,  false},
    {ParameterId::MasterMode,          "MasterMode",          0, ValueLayout::Code,            0,     1,     ReadAccess::Direct,           true,  true,  false},
    {ParameterId::MasterRegisterType,  "MasterRegisterType",  1, ValueLayout::Code,            0,     13,    ReadAccess::Direct,           true,  true,  true},
    {ParameterId::Diagnostics,         "Diagnostics",         0, ValueLayout::Diagnostics,     0,     0,     ReadAccess::Direct,           false, true,  true},
    {ParameterId::Temperature,         "Temperature",         0, ValueLayout::Temperature,     0,     0,     ReadAccess::Direct,           false, true,  false},
    {ParameterId::EthernetConfig,      "EthernetConfig",      0, ValueLayout::EthernetConfig,  0,     0,     ReadAccess::Direct,           true,  false, false},
}};
// clang-format on

/// The catalogue entry of an id byte, or nullptr (ids 19, 22 and unknown ids).
const ParameterInfo* findParameter(std::uint8_t id);
constexpr const ParameterInfo& parameterInfo(ParameterId id)
{
    for (const ParameterInfo& p : parameterCatalogue)
        if (p.id == id)
            return p;
    return parameterCatalogue[0]; // unreachable for a declared id
}

/// Bytes of the value after id and index (0 for None).
std::size_t valueSize(ValueLayout layout);

/// True when a reply carrying this id and index is to be applied: the id is
/// directly readable, and its index is in range where the index matters.
bool replyAccepted(std::uint8_t id, std::uint8_t index);

// ---- byte order --------------------------------------------------------------
std::int32_t readInt32LE(std::span<const std::uint8_t> bytes, std::size_t offset);
float readFloat32LE(std::span<const std::uint8_t> bytes, std::size_t offset);
std::int32_t readInt32BE(std::span<const std::uint8_t> bytes, std::size_t offset);
std::int16_t readInt16BE(std::span<const std::uint8_t> bytes, std::size_t offset);
void writeInt32LE(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value);
void writeFloat32LE(std::span<std::uint8_t> bytes, std::size_t offset, float value);
void writeInt32BE(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value);
void writeInt16BE(std::span<std::uint8_t> bytes, std::size_t offset, std::int16_t value);

/// Clamps to the catalogue limits of an Int32 parameter.
std::int32_t clampToLimits(const ParameterInfo& info, std::int64_t value);

// ---- value records -------------------------------------------------------------

/// Wire size of one output rule after id and index (OutputRuleEntry of
/// protocol/OutputRule.h, same field order).
inline constexpr std::size_t outputRuleWireSize = 13;

struct AdcConfigValue {
    std::uint8_t mode = 0;
    std::int32_t continuousFilter = 0;
    std::int32_t averagingFilter = 0;
    float coeff = 0.0f;
    float offset1 = 0.0f;
    float offset2 = 0.0f;
    bool operator==(const AdcConfigValue&) const = default;
};

struct EncConfigValue {
    std::uint8_t mode = 0;
    std::int32_t gateTime = 0;
    std::int32_t resolution = 0;
    float coeff = 0.0f;
    float offset = 0.0f;
    bool operator==(const EncConfigValue&) const = default;
};

/// The module's MODBUS statistics and temperatures (Diagnostics reply).
struct DiagnosticsRecord {
    std::int32_t BC = 0, FRA = 0, FRC = 0, TC = 0, FE = 0, ORE = 0, NE = 0, PE = 0, ID = 0;
    std::int16_t T = 0, TMI = 0, TMX = 0; ///< tenths of a degree
    bool operator==(const DiagnosticsRecord&) const = default;
};

using EthernetBytes = std::array<std::uint8_t, 12>; ///< address, mask, gateway

// ---- write request payloads (opcode WriteRequest) ------------------------------
std::array<std::uint8_t, 2> commandPayload(ParameterId id, std::uint8_t index);
std::array<std::uint8_t, 3> choicePayload(ParameterId id, std::uint8_t index, std::uint8_t code);
std::array<std::uint8_t, 6> int32Payload(ParameterId id, std::uint8_t index, std::int32_t value);
std::array<std::uint8_t, 6> float32Payload(ParameterId id, std::uint8_t index, float value);
/// 13 bytes: 32, then the twelve octets (no index byte).
std::array<std::uint8_t, 13> ethernetPayload(const EthernetBytes& octets);
/// Read request payload.
std::array<std::uint8_t, 2> readPayload(ParameterId id, std::uint8_t index);

// ---- value decoders (offsets relative to the start of the value) ----------------
// Each returns nothing when the span is shorter than the layout.
std::optional<OutputRuleEntry> decodeOutputRule(std::span<const std::uint8_t> value);
std::optional<AdcConfigValue> decodeAdcConfig(std::span<const std::uint8_t> value);
std::optional<EncConfigValue> decodeEncConfig(std::span<const std::uint8_t> value);
std::optional<DiagnosticsRecord> decodeDiagnostics(std::span<const std::uint8_t> value);
std::optional<std::int16_t> decodeTemperatureTenths(std::span<const std::uint8_t> value);
std::optional<EthernetBytes> decodeEthernet(std::span<const std::uint8_t> value);
std::optional<std::array<char, 4>> decodeFirmwareVersion(std::span<const std::uint8_t> value);

// ---- value encoders (the module side; each writes valueSize(layout) bytes) ------
void encodeOutputRule(std::span<std::uint8_t> value, const OutputRuleEntry& rule);
void encodeAdcConfig(std::span<std::uint8_t> value, const AdcConfigValue& config);
void encodeEncConfig(std::span<std::uint8_t> value, const EncConfigValue& config);
void encodeDiagnostics(std::span<std::uint8_t> value, const DiagnosticsRecord& record);

/// The value part of a reply buffer (bytes 3 onward).
inline std::span<const std::uint8_t> replyValue(std::span<const std::uint8_t> reply)
{
    return reply.size() > 3 ? reply.subspan(3) : std::span<const std::uint8_t>{};
}

} // namespace trv630
