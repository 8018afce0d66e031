// libFuzzer driver of the input-report core: a run of arbitrary reports
// through dispatchInputReport, with every request that the write
// acknowledgements trigger framed for a device of arbitrary report length.
//
// Input layout:
//   byte 0        output report length selector (0..255, 255 = query fails;
//                 otherwise the length is the byte value + 200 when bit 7 is
//                 set, so lengths above the 256-byte buffer occur too)
//   bytes 1-90    outputRuleTable (six entries of 15 bytes, when present)
//   then          reports: [length byte][that many data bytes] ...; a length
//                 byte of 255 takes a 2-byte little-endian length instead
#include "protocol/InputDispatch.h"
#include "protocol/MeasurementReport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace trv630;

namespace {

#define CHECK(cond)                                                                                 \
    do {                                                                                            \
        if (!(cond))                                                                                \
            __builtin_trap();                                                                       \
    } while (0)

class FuzzTarget : public InputReportTarget {
public:
    std::optional<int> outputLength;
    std::uint32_t reportCount = 0;
    std::uint32_t measurementCount = 0;
    ReceiveBuffer receiveBuffer{};
    MeasurementFrame frame;
    OutputRuleTable table{};
    int hooks = 0, replies = 0, sends = 0, messages = 0;

    void measurementDecoded() override { ++hooks; }
    void parameterReply(std::span<const std::uint8_t> reply) override
    {
        CHECK(reply.size() == receiveBufferSize);
        CHECK(reply[0] == 1);
        ++replies;
    }
    void sendRequest(Opcode opcode, std::span<const std::uint8_t> payload) override
    {
        CHECK(opcode == Opcode::WriteRequest);
        CHECK(payload.size() == outputRulePayloadSize);
        CHECK(payload[0] == 16 && payload[1] >= 1 && payload[1] <= 5);
        OutputReportBuffer buffer;
        const auto report = buildOutputReport(buffer, static_cast<std::uint8_t>(opcode), payload, outputLength);
        if (report) {
            CHECK(report->size() == static_cast<std::size_t>(*outputLength));
            CHECK(report->size() <= outputReportBufferSize && report->size() >= 2 + payload.size());
            CHECK((*report)[0] == 1 && (*report)[1] == 2);
            CHECK(std::memcmp(report->data() + 2, payload.data(), payload.size()) == 0);
            for (std::size_t i = 2 + payload.size(); i < report->size(); ++i)
                CHECK((*report)[i] == 0);
        }
        ++sends;
    }
    void writeAcknowledged(std::uint8_t id, std::uint8_t index) override
    {
        CHECK(!(id == 16 && index <= 4));
        ++messages;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    FuzzTarget t;
    const std::uint8_t selector = data[0];
    if (selector != 255)
        t.outputLength = (selector & 0x80) ? selector + 200 : selector;
    std::size_t pos = 1;
    if (size - pos >= 90) {
        for (auto& e : t.table) {
            e.source = data[pos];
            e.condition1 = data[pos + 1];
            e.condition2 = data[pos + 2];
            e.combination = data[pos + 3];
            e.state = data[pos + 4];
            std::memcpy(&e.value1, data + pos + 5, 4);
            std::memcpy(&e.value2, data + pos + 9, 4);
            pos += 15;
        }
    }

    while (pos < size) {
        std::size_t n = data[pos++];
        if (n == 255 && size - pos >= 2) {
            n = data[pos] | (std::size_t(data[pos + 1]) << 8);
            pos += 2;
        }
        n = std::min(n, size - pos);
        // Exactly n bytes on the heap, so that ASan sees any read past the end.
        auto* report = static_cast<std::uint8_t*>(std::malloc(n ? n : 1));
        if (n)
            std::memcpy(report, data + pos, n);
        pos += n;

        const std::uint32_t reportsBefore = t.reportCount;
        const std::uint32_t measurementsBefore = t.measurementCount;
        const int sendsBefore = t.sends, messagesBefore = t.messages, repliesBefore = t.replies;
        dispatchInputReport(std::span<const std::uint8_t>(report, n),
                            {t.reportCount, t.measurementCount, t.receiveBuffer, t.frame, t.table}, t);

        CHECK(t.reportCount == reportsBefore + 1);
        const std::size_t copied = std::min(n, receiveBufferSize);
        CHECK(std::memcmp(t.receiveBuffer.data(), report, copied) == 0);
        const int kind = n ? report[0] : -1;
        CHECK(t.measurementCount == measurementsBefore + (kind == 0 ? 1u : 0u));
        CHECK(t.replies == repliesBefore + (kind == 1 ? 1 : 0));
        CHECK((t.sends - sendsBefore) + (t.messages - messagesBefore) == (kind == 2 ? 1 : 0));

        // The decoder on its own, over exactly the report's bytes.
        MeasurementFrame frame;
        CHECK(decodeMeasurement(std::span<const std::uint8_t>(report, n), frame) == (n >= measurementReportSize));
        std::free(report);
    }
    return 0;
}
