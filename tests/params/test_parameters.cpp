// The parameter catalogue and its pure encoders/decoders.
#include "protocol/Parameters.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace trv630;

namespace {
std::vector<std::uint8_t> bytes(std::initializer_list<int> list)
{
    std::vector<std::uint8_t> v;
    for (int b : list)
        v.push_back(static_cast<std::uint8_t>(b));
    return v;
}
bool sameRule(const OutputRuleEntry& a, const OutputRuleEntry& b)
{
    return a.source == b.source && a.condition1 == b.condition1 && a.condition2 == b.condition2 &&
           a.combination == b.combination && a.state == b.state && a.value1 == b.value1 &&
           a.value2 == b.value2;
}
template <std::size_t N>
std::vector<std::uint8_t> vec(const std::array<std::uint8_t, N>& a)
{
    return {a.begin(), a.end()};
}
} // namespace

TEST(ParameterCatalogue, HoldsEveryIdOnceAndNot19Or22)
{
    std::set<int> ids;
    for (const ParameterInfo& p : parameterCatalogue)
        EXPECT_TRUE(ids.insert(toByte(p.id)).second) << p.name;
    EXPECT_EQ(ids.size(), 30u);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 32);
    EXPECT_EQ(findParameter(19), nullptr);
    EXPECT_EQ(findParameter(22), nullptr);
    EXPECT_EQ(findParameter(0), nullptr);
    EXPECT_EQ(findParameter(33), nullptr);
}

TEST(ParameterCatalogue, ReadAndWriteColumns)
{
    struct Row { int id; ReadAccess read; bool writable; int maxIndex; };
    const Row rows[] = {
        {1, ReadAccess::ThroughAdcConfig, true, 3},  {2, ReadAccess::ThroughAdcConfig, true, 3},
        {26, ReadAccess::ThroughAdcConfig, true, 3}, {6, ReadAccess::ThroughEncConfig, true, 1},
        {10, ReadAccess::ThroughEncConfig, true, 1}, {11, ReadAccess::Direct, true, 1},
        {16, ReadAccess::Direct, true, 5},           {17, ReadAccess::Direct, false, 3},
        {18, ReadAccess::Direct, false, 1},          {20, ReadAccess::No, true, 1},
        {21, ReadAccess::No, true, 1},               {27, ReadAccess::Direct, false, 0},
        {29, ReadAccess::Direct, true, 1},           {30, ReadAccess::Direct, false, 0},
        {31, ReadAccess::Direct, false, 0},          {32, ReadAccess::Direct, true, 0},
    };
    for (const Row& r : rows) {
        const ParameterInfo* p = findParameter(std::uint8_t(r.id));
        ASSERT_NE(p, nullptr) << r.id;
        EXPECT_EQ(p->read, r.read) << p->name;
        EXPECT_EQ(p->writable, r.writable) << p->name;
        EXPECT_EQ(p->maxIndex, r.maxIndex) << p->name;
    }
    EXPECT_FALSE(parameterInfo(ParameterId::EthernetConfig).writeHasIndex);
}

TEST(ParameterCatalogue, IntegerLimitsAndClamping)
{
    struct Row { ParameterId id; std::int64_t in; std::int32_t out; };
    const Row rows[] = {
        {ParameterId::AdcContinuousFilter, 800, 700}, {ParameterId::AdcContinuousFilter, 0, 1},
        {ParameterId::AdcAveragingFilter, -5, 1},     {ParameterId::AdcAveragingFilter, 60001, 60000},
        {ParameterId::EncGateTime, 0, 1},             {ParameterId::EncResolution, 10001, 10000},
        {ParameterId::SendInterval, 0, 1},            {ParameterId::TriggerFilter, -3, 0},
        {ParameterId::TriggerFilter, 60000, 60000},   {ParameterId::SendInterval, 2147483647, 60000},
    };
    for (const Row& r : rows)
        EXPECT_EQ(clampToLimits(parameterInfo(r.id), r.in), r.out) << parameterInfo(r.id).name << " " << r.in;
}

TEST(ParameterReplyFilter, AcceptedOnlyForDirectlyReadableIdsWithinRange)
{
    struct Row { int id; int index; bool accepted; };
    const Row rows[] = {
        {17, 3, true},  {17, 4, false}, {18, 1, true},  {18, 2, false}, {11, 2, false},
        {16, 5, true},  {16, 6, false}, {29, 1, true},  {29, 2, false}, {30, 0, true},
        {30, 1, false}, {13, 7, true},  {31, 9, true},  {27, 1, true},  {32, 3, true},
        {1, 0, false},  {20, 0, false}, {21, 0, false}, {19, 0, false}, {99, 0, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(replyAccepted(std::uint8_t(r.id), std::uint8_t(r.index)), r.accepted)
            << r.id << "/" << r.index;
}

TEST(ParameterPayloads, WriteLayouts)
{
    EXPECT_EQ(vec(int32Payload(ParameterId::AdcContinuousFilter, 2, 700)), bytes({2, 2, 0xBC, 0x02, 0, 0}));
    EXPECT_EQ(vec(int32Payload(ParameterId::TriggerFilter, 0, -1)), bytes({15, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(vec(float32Payload(ParameterId::AdcCoeff, 3, 1.5f)), bytes({4, 3, 0, 0, 0xC0, 0x3F}));
    EXPECT_EQ(vec(choicePayload(ParameterId::MathMode, 0, 255)), bytes({11, 0, 255}));
    EXPECT_EQ(vec(commandPayload(ParameterId::EncClearPosition, 1)), bytes({20, 1}));
    EXPECT_EQ(vec(readPayload(ParameterId::AdcConfig, 2)), bytes({17, 2}));
    EXPECT_EQ(vec(ethernetPayload({192, 168, 0, 2, 255, 255, 255, 0, 192, 168, 0, 1})),
              bytes({32, 0xC0, 0xA8, 0, 2, 0xFF, 0xFF, 0xFF, 0, 0xC0, 0xA8, 0, 1}));
}

TEST(ParameterValues, CombinedConfigsRoundTripWithFixedOffsets)
{
    const AdcConfigValue adc{1, 700, 60000, 2.5f, -1.25f, 1e6f};
    std::vector<std::uint8_t> v(21);
    encodeAdcConfig(v, adc);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(readInt32LE(v, 1), 700);
    EXPECT_EQ(readFloat32LE(v, 9), 2.5f); // reply bytes 12-15
    EXPECT_EQ(decodeAdcConfig(v), adc);
    EXPECT_FALSE(decodeAdcConfig(std::span(v).first(20)));

    const EncConfigValue enc{3, 50, 1024, 0.5f, -3.0f};
    std::vector<std::uint8_t> e(17);
    encodeEncConfig(e, enc);
    EXPECT_EQ(readInt32LE(e, 5), 1024);
    EXPECT_EQ(decodeEncConfig(e), enc);

    const OutputRuleEntry rule{15, 1, 0, 2, 1, 3.5f, -7.0f};
    std::vector<std::uint8_t> r(13);
    encodeOutputRule(r, rule);
    EXPECT_EQ(r, bytes({15, 1, 0, 2, 1, 0, 0, 0x60, 0x40, 0, 0, 0xE0, 0xC0}));
    ASSERT_TRUE(decodeOutputRule(r));
    EXPECT_TRUE(sameRule(*decodeOutputRule(r), rule));
}

TEST(ParameterValues, BigEndianTemperatureAndDiagnostics)
{
    EXPECT_EQ(decodeTemperatureTenths(bytes({0xFF, 0x38})), -200);
    EXPECT_EQ(decodeTemperatureTenths(bytes({0x00, 0xFD})), 253);
    EXPECT_FALSE(decodeTemperatureTenths(bytes({0x01})));

    std::vector<std::uint8_t> v(42);
    v[3] = 7;                 // BC = 7
    v[32] = 0x80;             // ID = INT32_MIN
    v[36] = 0x01, v[37] = 0x02; // T = 258
    v[40] = 0xFF, v[41] = 0xFF; // TMX = -1
    const auto d = decodeDiagnostics(v);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->BC, 7);
    EXPECT_EQ(d->ID, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(d->T, 258);
    EXPECT_EQ(d->TMX, -1);
    std::vector<std::uint8_t> again(42);
    encodeDiagnostics(again, *d);
    EXPECT_EQ(again, v);
}

TEST(ParameterValues, ShortOrOffsetReadsGiveZeroInsteadOfOverrunning)
{
    const auto three = bytes({1, 2, 3});
    EXPECT_EQ(readInt32LE(three, 0), 0);
    EXPECT_EQ(readInt16BE(three, 2), 0);
    EXPECT_EQ(readInt32BE(three, 10), 0);
    std::array<std::uint8_t, 3> out{9, 9, 9};
    writeInt32LE(out, 0, -1);
    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{9, 9, 9}));
    EXPECT_TRUE(replyValue(three).empty());
}
