// The window-free core of the input-report handler: counting, the receive
// buffer, dispatch by kind and the write-acknowledgement chain.
#include "protocol/InputDispatch.h"
#include "protocol/MeasurementReport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace trv630;

namespace {

struct Sent {
    Opcode opcode;
    std::vector<std::uint8_t> payload;
};

// The owner's state plus a record of every reaction.
class Receiver : public InputReportTarget {
public:
    std::uint32_t reportCount = 0;
    std::uint32_t measurementCount = 0;
    ReceiveBuffer receiveBuffer{};
    MeasurementFrame frame;
    OutputRuleTable table{};

    int decoded = 0;
    std::uint32_t countSeenWhileDecoding = 0;
    std::vector<std::vector<std::uint8_t>> replies;
    std::vector<Sent> sent;
    std::vector<std::pair<int, int>> messages;

    void receive(std::span<const std::uint8_t> data)
    {
        dispatchInputReport(data, {reportCount, measurementCount, receiveBuffer, frame, table}, *this);
    }
    void receive(std::initializer_list<std::uint8_t> data) { receive(std::span(data.begin(), data.size())); }

    void measurementDecoded() override
    {
        ++decoded;
        countSeenWhileDecoding = measurementCount;
    }
    void parameterReply(std::span<const std::uint8_t> reply) override { replies.emplace_back(reply.begin(), reply.end()); }
    void sendRequest(Opcode opcode, std::span<const std::uint8_t> payload) override
    {
        sent.push_back({opcode, {payload.begin(), payload.end()}});
    }
    void writeAcknowledged(std::uint8_t id, std::uint8_t index) override { messages.emplace_back(id, index); }
};

OutputRuleTable numberedTable()
{
    OutputRuleTable table{};
    for (int k = 0; k < 6; ++k)
        table[k] = {std::uint8_t(10 + k), std::uint8_t(20 + k), std::uint8_t(30 + k), std::uint8_t(40 + k),
                    std::uint8_t(50 + k), 1.0f + k, -1.0f - k};
    return table;
}

} // namespace

TEST(Dispatch, UnlistedKindIsCountedAndBufferedOnly)
{
    Receiver r;
    r.frame.math[0] = 2.0f;
    r.receive({3, 9, 8, 7});
    EXPECT_EQ(r.reportCount, 1u);
    EXPECT_EQ(r.measurementCount, 0u);
    EXPECT_EQ(r.receiveBuffer[0], 3);
    EXPECT_EQ(r.receiveBuffer[3], 7);
    EXPECT_EQ(r.decoded, 0);
    EXPECT_TRUE(r.replies.empty());
    EXPECT_TRUE(r.sent.empty());
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.frame.math[0], 2.0f);
}

TEST(Dispatch, ThreeMeasurementsAndOneReplyCountFourAndThree)
{
    Receiver r;
    MeasurementFrame values;
    values.analog[0].value = 4.0f;
    const auto measurement = encodeMeasurement(values);
    r.receive(measurement);
    r.receive(measurement);
    r.receive({1, 27, 0, 'v', '1', '.', '3'});
    r.receive(measurement);
    EXPECT_EQ(r.measurementCount, 3u);
    EXPECT_EQ(r.reportCount, 4u);
    ASSERT_EQ(r.replies.size(), 1u);
    EXPECT_EQ(r.replies[0].size(), receiveBufferSize);
    EXPECT_EQ(r.replies[0][1], 27);
    EXPECT_EQ(r.frame.analog[0].value, 4.0f);
}

TEST(Dispatch, MeasurementIsDecodedBeforeTheRecordHookAndCountedAfter)
{
    Receiver r;
    MeasurementFrame values;
    values.math[1] = 6.5f;
    const auto measurement = encodeMeasurement(values);
    r.receive(measurement);
    r.receive(measurement);
    EXPECT_EQ(r.decoded, 2);
    EXPECT_EQ(r.countSeenWhileDecoding, 1u); // the second hook still saw 1
    EXPECT_EQ(r.measurementCount, 2u);
}

TEST(Dispatch, ParameterReplyBetweenMeasurementsLeavesTheFrame)
{
    Receiver r;
    MeasurementFrame values;
    values.encoder[0].position = 12.0f;
    r.receive(encodeMeasurement(values));
    std::vector<std::uint8_t> reply(64, 0x7F);
    reply[0] = 1;
    r.receive(reply);
    EXPECT_EQ(r.frame.encoder[0].position, 12.0f);
    EXPECT_EQ(r.frame.math[0], 0.0f);
}

TEST(Dispatch, ReceiveBufferTakesAtMost128BytesAndKeepsTheRest)
{
    Receiver r;
    std::vector<std::uint8_t> longReport(500);
    for (std::size_t i = 0; i < longReport.size(); ++i)
        longReport[i] = static_cast<std::uint8_t>(i + 3); // kind 3: ignored
    r.receive(longReport);
    for (std::size_t i = 0; i < receiveBufferSize; ++i)
        ASSERT_EQ(r.receiveBuffer[i], static_cast<std::uint8_t>(i + 3)) << i;

    r.receive({4, 0xEE});
    EXPECT_EQ(r.receiveBuffer[0], 4);
    EXPECT_EQ(r.receiveBuffer[1], 0xEE);
    EXPECT_EQ(r.receiveBuffer[2], 5); // previous content
    EXPECT_EQ(r.receiveBuffer[127], 130);
    EXPECT_EQ(r.reportCount, 2u);
}

TEST(Dispatch, EmptyReportIsCountedAndNothingElse)
{
    Receiver r;
    r.receive({2, 16, 4}); // leaves an acknowledgement in the buffer
    r.sent.clear();
    r.receive(std::span<const std::uint8_t>{});
    EXPECT_EQ(r.reportCount, 2u);
    EXPECT_TRUE(r.sent.empty());
    EXPECT_TRUE(r.messages.empty());
}

namespace {
struct AckCase {
    std::uint8_t id;
    std::uint8_t index;
    int sendsPart;      // -1: nothing sent
    bool showsMessage;
};
const AckCase ackCases[] = {
    {16, 0, 1, false}, {16, 1, 2, false}, {16, 2, 3, false}, {16, 3, 4, false}, {16, 4, 5, false},
    {16, 5, -1, true}, {16, 6, -1, true}, {16, 255, -1, true},
    {5, 2, -1, true},  {15, 0, -1, true}, {17, 0, -1, true}, {0, 0, -1, true}, {255, 4, -1, true},
};
} // namespace

TEST(Dispatch, WriteAcknowledgements)
{
    for (const AckCase& c : ackCases) {
        SCOPED_TRACE("ack id " + std::to_string(c.id) + " index " + std::to_string(c.index));
        Receiver r;
        r.table = numberedTable();
        r.receive({2, c.id, c.index});
        if (c.sendsPart >= 0) {
            ASSERT_EQ(r.sent.size(), 1u);
            EXPECT_EQ(r.sent[0].opcode, Opcode::WriteRequest);
            const auto expected = outputRulePayload(r.table, c.sendsPart);
            EXPECT_EQ(r.sent[0].payload, std::vector<std::uint8_t>(expected.begin(), expected.end()));
            EXPECT_EQ(r.sent[0].payload[1], c.sendsPart);
            EXPECT_EQ(r.sent[0].payload[2], 10 + c.sendsPart);
        } else {
            EXPECT_TRUE(r.sent.empty());
        }
        if (c.showsMessage) {
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_EQ(r.messages[0], std::make_pair(int(c.id), int(c.index)));
        } else {
            EXPECT_TRUE(r.messages.empty());
        }
    }
}

TEST(Dispatch, SixPartWriteSendsEachPartOnlyAfterThePreviousAck)
{
    Receiver r;
    r.table = numberedTable();
    // Part 0 goes out with the button; every acknowledgement sends one more.
    for (int acked = 0; acked <= 5; ++acked) {
        r.sent.clear();
        r.receive({2, 16, static_cast<std::uint8_t>(acked)});
        if (acked < 5) {
            ASSERT_EQ(r.sent.size(), 1u) << acked;
            EXPECT_EQ(r.sent[0].payload[1], acked + 1);
            EXPECT_TRUE(r.messages.empty());
        } else {
            EXPECT_TRUE(r.sent.empty());
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_EQ(r.messages[0], std::make_pair(16, 5));
        }
    }
}

TEST(Dispatch, ShortAcknowledgementReadsIdAndIndexFromTheBuffer)
{
    Receiver r;
    r.receive({3, 5, 2});
    r.receive({2}); // bytes 1 and 2 keep the previous report's content
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], std::make_pair(5, 2));
}

TEST(Dispatch, ArbitraryBytesNeverCrash)
{
    std::mt19937 rng(630);
    Receiver r;
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 20000; ++i) {
        data.resize(rng() % 520);
        for (auto& b : data)
            b = static_cast<std::uint8_t>(rng());
        if (!data.empty())
            data[0] %= 5; // mostly the listed kinds
        r.receive(data);
    }
    EXPECT_EQ(r.reportCount, 20000u);
}
