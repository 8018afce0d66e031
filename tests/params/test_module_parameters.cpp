// The simulated module's parameter store: every write is stored and
// acknowledged, every readable id answers with its exact layout, and the
// output rules drive the output bits.
#include "link/virtual/ModuleParameters.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trv630;

namespace {

using Reports = std::vector<std::vector<std::uint8_t>>;

/// An output report as the window sends it: id 1, opcode, payload, zeros to 65.
template <typename Payload>
std::vector<std::uint8_t> request(Opcode op, const Payload& payload)
{
    std::vector<std::uint8_t> r(65, 0);
    r[0] = 1;
    r[1] = static_cast<std::uint8_t>(op);
    std::copy(payload.begin(), payload.end(), r.begin() + 2);
    return r;
}

Reports write(ModuleParameters& m, const auto& payload) { return m.handleRequest(request(Opcode::WriteRequest, payload)); }

std::vector<std::uint8_t> read(ModuleParameters& m, ParameterId id, std::uint8_t index)
{
    const Reports r = m.handleRequest(request(Opcode::ReadRequest, readPayload(id, index)));
    return r.size() == 1 ? r[0] : std::vector<std::uint8_t>{};
}

} // namespace

TEST(ModuleParameters, EveryWritableIdIsAcknowledgedWithIdAndIndex)
{
    for (const ParameterInfo& p : parameterCatalogue) {
        ModuleParameters m;
        std::vector<std::uint8_t> payload(2 + valueSize(p.layout), 0);
        payload[0] = toByte(p.id);
        payload[1] = p.maxIndex;
        if (!p.writeHasIndex)
            payload.erase(payload.begin() + 1);
        const Reports r = write(m, payload);
        if (!p.writable) {
            EXPECT_TRUE(r.empty()) << p.name;
            continue;
        }
        ASSERT_EQ(r.size(), 1u) << p.name;
        const std::uint8_t expectedIndex = p.writeHasIndex ? p.maxIndex : 0;
        EXPECT_EQ(r[0], (std::vector<std::uint8_t>{2, toByte(p.id), expectedIndex})) << p.name;
    }
}

TEST(ModuleParameters, WrittenValuesComeBackOnTheNextRead)
{
    ModuleParameters m;
    write(m, int32Payload(ParameterId::AdcContinuousFilter, 2, 700));
    write(m, float32Payload(ParameterId::AdcCoeff, 2, 2.5f));
    write(m, float32Payload(ParameterId::AdcOffset2, 2, -4.0f));
    write(m, choicePayload(ParameterId::AdcMode, 2, 1));
    auto adc = decodeAdcConfig(replyValue(read(m, ParameterId::AdcConfig, 2)));
    ASSERT_TRUE(adc);
    EXPECT_EQ(*adc, (AdcConfigValue{1, 700, 1, 2.5f, 0.0f, -4.0f}));

    write(m, int32Payload(ParameterId::EncResolution, 1, 2048));
    write(m, choicePayload(ParameterId::EncMode, 1, 3));
    auto enc = decodeEncConfig(replyValue(read(m, ParameterId::EncConfig, 1)));
    ASSERT_TRUE(enc);
    EXPECT_EQ(enc->resolution, 2048);
    EXPECT_EQ(enc->mode, 3);

    write(m, choicePayload(ParameterId::ModbusAddress, 0, 247));
    EXPECT_EQ(read(m, ParameterId::ModbusAddress, 0), (std::vector<std::uint8_t>{1, 23, 0, 247}));

    write(m, ethernetPayload({10, 0, 0, 7, 255, 0, 0, 0, 10, 0, 0, 1}));
    EXPECT_EQ(read(m, ParameterId::EthernetConfig, 0),
              (std::vector<std::uint8_t>{1, 32, 0, 10, 0, 0, 7, 255, 0, 0, 0, 10, 0, 0, 1}));

    OutputRuleTable table{};
    table[3] = OutputRuleEntry{4, 1, 0, 2, 1, 1.5f, -1.0f};
    write(m, outputRulePayload(table, 3));
    const auto rule = decodeOutputRule(replyValue(read(m, ParameterId::OutputRule, 3)));
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->source, 4);
    EXPECT_EQ(rule->combination, 2);
    EXPECT_EQ(rule->value1, 1.5f);
    EXPECT_EQ(rule->value2, -1.0f);

    write(m, int32Payload(ParameterId::SendInterval, 0, 250));
    EXPECT_EQ(m.sendIntervalMs(), 250);
    EXPECT_EQ(readInt32LE(read(m, ParameterId::SendInterval, 0), 3), 250);
}

TEST(ModuleParameters, ReplyLayoutsOfTheReadOnlyIds)
{
    ModuleParameters m;
    m.firmwareVersion = {'2', '.', '1', '3'};
    EXPECT_EQ(read(m, ParameterId::FirmwareVersion, 0), (std::vector<std::uint8_t>{1, 27, 0, '2', '.', '1', '3'}));
    m.temperatureTenths = -200;
    EXPECT_EQ(read(m, ParameterId::Temperature, 0), (std::vector<std::uint8_t>{1, 31, 0, 0xFF, 0x38}));
    const auto diag = read(m, ParameterId::Diagnostics, 0);
    ASSERT_EQ(diag.size(), 45u);
    EXPECT_EQ(decodeDiagnostics(replyValue(diag))->TMX, m.diagnostics.TMX);
}

TEST(ModuleParameters, RequestsItCannotAnswerGetNoReply)
{
    ModuleParameters m;
    const struct { Opcode op; std::vector<std::uint8_t> payload; const char* why; } rows[] = {
        {Opcode::ReadRequest, {1, 0}, "single analog ids are read through 17"},
        {Opcode::ReadRequest, {20, 0}, "write-only command"},
        {Opcode::ReadRequest, {21, 0}, "write-only calibration"},
        {Opcode::ReadRequest, {17, 4}, "analog index out of range"},
        {Opcode::ReadRequest, {16, 6}, "output index out of range"},
        {Opcode::ReadRequest, {19, 0}, "unknown id"},
        {Opcode::WriteRequest, {17, 0}, "read-only id"},
        {Opcode::WriteRequest, {2, 4, 1, 0, 0, 0}, "index out of range"},
        {Opcode::WriteRequest, {22, 0, 0}, "unknown id"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(m.handleRequest(request(row.op, row.payload)).empty()) << row.why;
    const std::vector<std::uint8_t> badOpcode{1, 3, 17, 0};
    EXPECT_TRUE(m.handleRequest(badOpcode).empty());
    const std::vector<std::uint8_t> truncated{1, 2, 4, 0, 0, 0}; // float cut short
    EXPECT_TRUE(m.handleRequest(truncated).empty());
    EXPECT_TRUE(m.handleRequest(std::vector<std::uint8_t>{}).empty());
}

TEST(ModuleParameters, IntegerWritesAreKeptWithinLimits)
{
    ModuleParameters m;
    write(m, int32Payload(ParameterId::SendInterval, 0, 0));
    EXPECT_EQ(m.sendIntervalMs(), 1);
    write(m, int32Payload(ParameterId::AdcContinuousFilter, 0, 5000));
    EXPECT_EQ(m.adc[0].continuousFilter, 700);
}

TEST(ModuleParameters, OutputRulesDriveTheOutputBits)
{
    ModuleParameters m;
    MeasurementFrame f;
    EXPECT_EQ(m.outputBits(f), 0); // all rules "inactive" by default

    struct Row { OutputRuleEntry rule; float value; bool on; const char* what; };
    const Row rows[] = {
        {{1, 0, 0, 0, 0, 0, 0}, 0.0f, true, "always active"},
        {{2, 1, 0, 0, 1, 5.0f, 0}, 6.0f, true, "ADC1 larger than 5"},
        {{2, 1, 0, 0, 1, 5.0f, 0}, 5.0f, false, "ADC1 equal is not larger"},
        {{2, 0, 0, 0, 1, 5.0f, 0}, 4.0f, true, "smaller"},
        {{2, 1, 0, 0, 0, 5.0f, 0}, 6.0f, false, "state inactive when met"},
        {{2, 1, 0, 0, 0, 5.0f, 0}, 4.0f, true, "state inactive: on when not met"},
        {{2, 1, 0, 1, 1, 2.0f, 8.0f}, 5.0f, true, "[and]: inside the window"},
        {{2, 1, 0, 1, 1, 2.0f, 8.0f}, 9.0f, false, "[and]: above the window"},
        {{2, 1, 1, 2, 1, 8.0f, 9.0f}, 5.0f, false, "[or]: neither"},
        {{2, 0, 1, 2, 1, 2.0f, 8.0f}, 9.0f, true, "[or]: outside the window"},
    };
    for (const Row& r : rows) {
        m.outputRules[4] = r.rule;
        f.analog[0].value = r.value;
        EXPECT_EQ(m.outputBits(f), r.on ? 0x10 : 0x00) << r.what;
    }
}

TEST(ModuleParameters, EverySourceReadsItsOwnValue)
{
    MeasurementFrame f;
    for (int j = 0; j < 4; ++j) {
        f.analog[j].value = 10.0f + j;
        f.analog[j].average = 20.0f + j;
    }
    for (int i = 0; i < 2; ++i) {
        f.encoder[i].position = 30.0f + i;
        f.encoder[i].velocity = 40.0f + i;
        f.math[i] = 50.0f + i;
    }
    const float expected[] = {0, 0, 10, 11, 12, 13, 20, 21, 22, 23, 30, 31, 40, 41, 50, 51, 0};
    for (std::uint8_t s = 0; s <= 16; ++s)
        EXPECT_EQ(ModuleParameters::sourceValue(f, s), expected[s]) << int(s);
}
