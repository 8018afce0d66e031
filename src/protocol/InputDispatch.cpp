#include "protocol/InputDispatch.h"

#include "protocol/MeasurementReport.h"

#include <algorithm>

namespace trv630 {

void dispatchInputReport(std::span<const std::uint8_t> data, const ReceiveState& state,
                         InputReportTarget& target)
{
    ++state.reportCount;
    const std::size_t copied = std::min(data.size(), state.receiveBuffer.size());
    std::copy_n(data.begin(), copied, state.receiveBuffer.begin());
    if (copied == 0)
        return;

    switch (static_cast<ReportKind>(state.receiveBuffer[0])) {
    case ReportKind::MeasurementReport:
        decodeMeasurement(state.receiveBuffer, state.frame);
        target.measurementDecoded();
        ++state.measurementCount;
        break;
    case ReportKind::ParameterValue:
        target.parameterReply(state.receiveBuffer);
        break;
    case ReportKind::WriteAck:
        handleWriteAck(state.receiveBuffer[1], state.receiveBuffer[2], state.outputRuleTable, target);
        break;
    default:
        break;
    }
}

void handleWriteAck(std::uint8_t id, std::uint8_t index, const OutputRuleTable& table,
                    InputReportTarget& target)
{
    if (id == outputRuleParameterId && index <= outputRuleCount - 2) {
        const auto payload = outputRulePayload(table, index + 1);
        target.sendRequest(Opcode::WriteRequest, payload);
        return;
    }
    target.writeAcknowledged(id, index);
}

} // namespace trv630
