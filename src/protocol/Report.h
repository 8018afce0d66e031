// Output report framing and the kinds of input report (the module's USB
// HID protocol). Pure code over byte spans: no I/O, no widgets.
//
// Output report (one per request), built in a zero-filled 256-byte buffer:
//   byte 0      HID report id, always 1
//   byte 1      opcode (1 ReadRequest, 2 WriteRequest)
//   bytes 2..   payload (n bytes)
//   rest        zero
// The device gets the first <output report length> bytes of the buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace trv630 {

inline constexpr std::uint8_t outputReportId = 1;
inline constexpr std::size_t outputReportBufferSize = 256;
/// Size of the copy of the latest input report (receiveBuffer).
inline constexpr std::size_t receiveBufferSize = 128;

enum class Opcode : std::uint8_t {
    ReadRequest = 1,  ///< payload: ParameterId, index
    WriteRequest = 2, ///< payload: ParameterId, index, value bytes
};

/// Byte 0 of an input report's data.
enum class ReportKind : std::uint8_t {
    MeasurementReport = 0,
    ParameterValue = 1, ///< byte 1 ParameterId, byte 2 index, bytes 3.. value
    WriteAck = 2,       ///< byte 1 ParameterId, byte 2 index
};

using OutputReportBuffer = std::array<std::uint8_t, outputReportBufferSize>;

/// Frames one request into buffer (zeroed first) and returns the bytes to
/// write: the first outputReportLength bytes. No write (std::nullopt, the
/// buffer still zeroed) when the length is missing, above the 256-byte buffer,
/// or too short for report id, opcode and the whole payload (< 2 + n):
/// a short report would silently cut the request.
std::optional<std::span<const std::uint8_t>> buildOutputReport(OutputReportBuffer& buffer,
                                                               std::uint8_t opcode,
                                                               std::span<const std::uint8_t> payload,
                                                               std::optional<int> outputReportLength);

/// The payload of a ReadRequest: id, index.
inline std::array<std::uint8_t, 2> readRequestPayload(std::uint8_t id, std::uint8_t index)
{
    return {id, index};
}

} // namespace trv630
