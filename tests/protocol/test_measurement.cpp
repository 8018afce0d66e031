// Decoding of the measurement report, bit-exact against hand-made bytes.
#include "protocol/MeasurementReport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

using namespace trv630;

namespace {

struct Patch {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

struct DecodeCase {
    const char* name;
    std::vector<Patch> patches; // over an all-zero report
    std::function<void(const MeasurementFrame&)> check;
};

MeasurementFrame decodePatched(const std::vector<Patch>& patches)
{
    std::array<std::uint8_t, 128> buffer{};
    for (const Patch& p : patches)
        std::copy(p.bytes.begin(), p.bytes.end(), buffer.begin() + p.offset);
    MeasurementFrame frame;
    EXPECT_TRUE(decodeMeasurement(buffer, frame));
    return frame;
}

const std::vector<DecodeCase>& decodeCases()
{
    static const std::vector<DecodeCase> cases = {
        {"byte 1 = 0x8E: encoder 1 in mm, outputs 1, 2 and 6", {{1, {0x8E}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.encoder[0].mode, 2);
             EXPECT_EQ(f.statusBitsA, 35);
             EXPECT_EQ(f.statusBitsB, 0);
         }},
        {"byte 46 = 0x05: ADC 4 in mA, IN1 active", {{46, {0x05}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.analog[3].mode, 1);
             EXPECT_EQ(f.statusBitsB, 1);
             EXPECT_EQ(f.statusBitsA, 0);
         }},
        {"byte 19 = 0xFC: upper bits of analog record 1 are dropped", {{19, {0xFC}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.analog[0].mode, 0);
             EXPECT_EQ(f.statusBitsA, 0);
             EXPECT_EQ(f.statusBitsB, 0);
         }},
        {"upper bits of bytes 10, 28, 37 carry nothing", {{10, {0xFF}}, {28, {0xFE}}, {37, {0xFD}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.encoder[1].mode, 3);
             EXPECT_EQ(f.analog[1].mode, 2);
             EXPECT_EQ(f.analog[2].mode, 1);
             EXPECT_EQ(f.statusBitsA, 0);
             EXPECT_EQ(f.statusBitsB, 0);
         }},
        {"bytes 20-23 = 00 00 80 3F: ADC 1 value 1.0", {{20, {0x00, 0x00, 0x80, 0x3F}}},
         [](const MeasurementFrame& f) { EXPECT_EQ(f.analog[0].value, 1.0f); }},
        {"bytes 2-5 = 00 00 C0 7F: NaN kept bit for bit", {{2, {0x00, 0x00, 0xC0, 0x7F}}},
         [](const MeasurementFrame& f) {
             EXPECT_TRUE(std::isnan(f.encoder[0].velocity));
             EXPECT_EQ(std::bit_cast<std::uint32_t>(f.encoder[0].velocity), 0x7FC00000u);
         }},
        {"signalling NaN payload kept", {{6, {0x01, 0x00, 0x80, 0x7F}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(std::bit_cast<std::uint32_t>(f.encoder[0].position), 0x7F800001u);
         }},
        {"infinities pass", {{55, {0x00, 0x00, 0x80, 0x7F}}, {59, {0x00, 0x00, 0x80, 0xFF}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.math[0], std::numeric_limits<float>::infinity());
             EXPECT_EQ(f.math[1], -std::numeric_limits<float>::infinity());
         }},
        {"velocity before position in an encoder record",
         {{11, {0x00, 0x00, 0x20, 0x41}}, {15, {0x00, 0x00, 0x48, 0xC2}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.encoder[1].velocity, 10.0f);
             EXPECT_EQ(f.encoder[1].position, -50.0f);
         }},
        {"value before average in an analog record; ADC 4 at 46",
         {{47, {0x00, 0x00, 0xA0, 0x40}}, {51, {0x00, 0x00, 0x40, 0x40}}, {42, {0x00, 0x00, 0x00, 0x3F}}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.analog[3].value, 5.0f);
             EXPECT_EQ(f.analog[3].average, 3.0f);
             EXPECT_EQ(f.analog[2].average, 0.5f);
         }},
        {"bytes from 63 on are not read", {{63, std::vector<std::uint8_t>(65, 0xFF)}},
         [](const MeasurementFrame& f) {
             EXPECT_EQ(f.math[1], 0.0f);
             EXPECT_EQ(f.statusBitsA, 0);
         }},
    };
    return cases;
}

std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }

// Field by field, floats compared bit for bit (NaN payloads included).
void expectSameFrame(const MeasurementFrame& a, const MeasurementFrame& b)
{
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(a.encoder[i].mode, b.encoder[i].mode) << "encoder " << i;
        EXPECT_EQ(bits(a.encoder[i].velocity), bits(b.encoder[i].velocity)) << "encoder " << i;
        EXPECT_EQ(bits(a.encoder[i].position), bits(b.encoder[i].position)) << "encoder " << i;
        EXPECT_EQ(bits(a.math[i]), bits(b.math[i])) << "math " << i;
    }
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(a.analog[j].mode, b.analog[j].mode) << "analog " << j;
        EXPECT_EQ(bits(a.analog[j].value), bits(b.analog[j].value)) << "analog " << j;
        EXPECT_EQ(bits(a.analog[j].average), bits(b.analog[j].average)) << "analog " << j;
    }
    EXPECT_EQ(a.statusBitsA, b.statusBitsA);
    EXPECT_EQ(a.statusBitsB, b.statusBitsB);
}

} // namespace

TEST(DecodeMeasurement, HandMadeReports)
{
    for (const DecodeCase& c : decodeCases()) {
        SCOPED_TRACE(c.name);
        c.check(decodePatched(c.patches));
    }
}

TEST(DecodeMeasurement, OverwritesEveryFieldOfTheFrame)
{
    MeasurementFrame frame;
    frame.encoder[1].position = 7.0f;
    frame.analog[2].mode = 3;
    frame.math[0] = 1.0f;
    frame.statusBitsA = 63;
    frame.statusBitsB = 3;
    std::array<std::uint8_t, 128> zero{};
    ASSERT_TRUE(decodeMeasurement(zero, frame));
    expectSameFrame(frame, MeasurementFrame{});
}

TEST(DecodeMeasurement, ShortDataLeavesTheFrameAlone)
{
    MeasurementFrame frame;
    frame.math[1] = 4.0f;
    for (std::size_t n : {0u, 1u, 62u}) {
        std::vector<std::uint8_t> data(n, 0xFF);
        EXPECT_FALSE(decodeMeasurement(data, frame)) << n;
        EXPECT_EQ(frame.math[1], 4.0f);
    }
}

TEST(EncodeMeasurement, RoundTripsEveryField)
{
    MeasurementFrame in;
    in.encoder[0] = {1, 2.5f, -100.25f};
    in.encoder[1] = {3, std::numeric_limits<float>::quiet_NaN(), 1e30f};
    for (int j = 0; j < 4; ++j)
        in.analog[j] = {static_cast<std::uint8_t>(j & 1), 1.5f * j, -0.5f * j};
    in.math = {std::numeric_limits<float>::infinity(), -3.0f};
    in.statusBitsA = 0x2A;
    in.statusBitsB = 0x02;
    // Out-of-range modes and status values are cut to their bit fields.
    MeasurementFrame wide = in;
    wide.encoder[0].mode = 0xFD;
    wide.statusBitsA = 0xEA;
    MeasurementFrame cut;
    ASSERT_TRUE(decodeMeasurement(encodeMeasurement(wide), cut));
    EXPECT_EQ(cut.encoder[0].mode, 1);
    EXPECT_EQ(cut.statusBitsA, 0x2A);

    const auto report = encodeMeasurement(in);
    EXPECT_EQ(report[0], 0);
    MeasurementFrame out;
    ASSERT_TRUE(decodeMeasurement(report, out));
    expectSameFrame(out, in);
}
