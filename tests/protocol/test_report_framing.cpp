// Output report framing: what reaches the device for a request, and the
// lengths that get no write at all.
#include "protocol/OutputRule.h"
#include "protocol/Report.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace trv630;

namespace {

struct FramingCase {
    const char* name;
    std::uint8_t opcode;
    std::vector<std::uint8_t> payload;
    std::optional<int> length;
    bool written;
};

std::vector<std::uint8_t> bytes(std::size_t n, std::uint8_t value)
{
    return std::vector<std::uint8_t>(n, value);
}

const FramingCase framingCases[] = {
    {"read request, module length 65", 1, {17, 2}, 65, true},
    {"length exactly id + opcode + payload", 1, {17, 2}, 4, true},
    {"length of the whole buffer", 2, bytes(254, 0xAA), 256, true},
    {"write request, 15-byte payload", 2, bytes(15, 7), 17, true},
    {"empty payload, length 2", 2, {}, 2, true},
    {"length above the buffer", 1, {17, 2}, 257, false},
    {"huge length", 1, {17, 2}, 1 << 30, false},
    {"length too short for the payload", 1, {17, 2}, 3, false},
    {"payload longer than the buffer allows", 2, bytes(255, 1), 256, false},
    {"length zero", 1, {17, 2}, 0, false},
    {"negative length", 1, {17, 2}, -1, false},
    {"capability query failed", 1, {17, 2}, std::nullopt, false},
};

class Framing : public ::testing::TestWithParam<FramingCase> {};

} // namespace

TEST_P(Framing, WritesIdOpcodePayloadAndZerosUpToTheLength)
{
    const FramingCase& c = GetParam();
    OutputReportBuffer buffer;
    buffer.fill(0x5A); // left-overs of an earlier request must not leak out
    const auto report = buildOutputReport(buffer, c.opcode, c.payload, c.length);
    ASSERT_EQ(report.has_value(), c.written);
    if (!c.written) {
        for (std::uint8_t b : buffer)
            ASSERT_EQ(b, 0);
        return;
    }
    ASSERT_EQ(report->size(), static_cast<std::size_t>(*c.length));
    std::vector<std::uint8_t> expected(report->size(), 0);
    expected[0] = 1;
    expected[1] = c.opcode;
    std::copy(c.payload.begin(), c.payload.end(), expected.begin() + 2);
    EXPECT_EQ(std::vector<std::uint8_t>(report->begin(), report->end()), expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, Framing, ::testing::ValuesIn(framingCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(Framing, ReadRequestOfSeventeenTwoOnALength65DeviceIs65Bytes)
{
    OutputReportBuffer buffer;
    const auto report = buildOutputReport(buffer, static_cast<std::uint8_t>(Opcode::ReadRequest),
                                          readRequestPayload(17, 2), 65);
    ASSERT_TRUE(report);
    std::vector<std::uint8_t> expected(65, 0);
    expected[0] = 1;
    expected[1] = 1;
    expected[2] = 17;
    expected[3] = 2;
    EXPECT_EQ(std::vector<std::uint8_t>(report->begin(), report->end()), expected);
}

TEST(OutputRulePayload, LaysOutEntryFields)
{
    OutputRuleTable table{};
    table[5] = {3, 1, 2, 1, 1, 1.0f, -2.5f};
    const auto p = outputRulePayload(table, 5);
    const std::array<std::uint8_t, 15> expected{16, 5, 3, 1, 2, 1, 1, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x20, 0xC0};
    EXPECT_EQ(p, expected);
}

TEST(OutputRulePayload, EntryOutsideTheTableIsAllZero)
{
    OutputRuleTable table{};
    table.fill({9, 9, 9, 9, 9, 9.0f, 9.0f});
    for (int entry : {-1, 6, 255})
        EXPECT_EQ(outputRulePayload(table, entry), (std::array<std::uint8_t, 15>{})) << entry;
}
