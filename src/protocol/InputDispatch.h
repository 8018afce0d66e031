// The window-free core of the program's input-report handler: counting,
// the copy into the receive buffer, dispatch by kind, and the reaction to a
// write acknowledgement (including the six-part output-rule write chain).
//
// The caller owns the state and supplies the reactions (InputReportTarget);
// nothing here touches a device, a widget or a clock, so a fuzzer or a test
// can drive it with arbitrary bytes. Runs on whichever thread calls it; the
// program calls it on the GUI thread only.
#pragma once

#include "protocol/MeasurementFrame.h"
#include "protocol/OutputRule.h"
#include "protocol/Report.h"

#include <array>
#include <cstdint>
#include <span>

namespace trv630 {

using ReceiveBuffer = std::array<std::uint8_t, receiveBufferSize>;

/// The owner's members that one input report updates.
struct ReceiveState {
    std::uint32_t& reportCount;        ///< every input report, any kind
    std::uint32_t& measurementCount;   ///< measurement reports, raised after each is handled
    ReceiveBuffer& receiveBuffer;      ///< copy of the latest report's data (first 128 bytes)
    MeasurementFrame& frame;           ///< decoded latest measurement report
    const OutputRuleTable& outputRuleTable;
};

/// What the owner does with a report beyond the state above.
class InputReportTarget {
public:
    /// A measurement report was decoded into the frame; measurementCount is
    /// raised after this returns (the measurement-file record is built here).
    virtual void measurementDecoded() = 0;
    /// A parameter value (kind 1); reply is the whole receive buffer.
    virtual void parameterReply(std::span<const std::uint8_t> reply) = 0;
    /// Send one request (the next part of the output-rule write).
    virtual void sendRequest(Opcode opcode, std::span<const std::uint8_t> payload) = 0;
    /// A write was acknowledged and nothing follows: show the update message.
    virtual void writeAcknowledged(std::uint8_t id, std::uint8_t index) = 0;

protected:
    ~InputReportTarget() = default;
};

/// Handles one input report (data = the bytes after the report id, any
/// length, possibly empty):
///  1. reportCount += 1;
///  2. copy at most 128 bytes into receiveBuffer (later bytes keep their
///     previous content);
///  3. dispatch on receiveBuffer[0]: 0 decode + measurementDecoded +
///     measurementCount += 1; 1 parameterReply; 2 write acknowledgement;
///     anything else nothing.
/// An empty report is counted and otherwise ignored: it has no kind byte.
void dispatchInputReport(std::span<const std::uint8_t> data, const ReceiveState& state,
                         InputReportTarget& target);

/// Write acknowledgement of (id, index): an OutputRule ack of part 0 to 4
/// sends part index + 1; anything else (other ids, OutputRule part 5 or
/// above) ends in writeAcknowledged.
void handleWriteAck(std::uint8_t id, std::uint8_t index, const OutputRuleTable& table,
                    InputReportTarget& target);

} // namespace trv630
