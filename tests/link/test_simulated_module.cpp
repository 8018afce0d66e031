// The simulated TRV630U: its answers, its measurement values and its stream.
#include "link/virtual/MeasurementStreamer.h"
#include "link/virtual/SimulatedModule.h"
#include "protocol/Parameters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace trv630;

namespace {

std::vector<std::uint8_t> request(Opcode opcode, std::vector<std::uint8_t> payload)
{
    std::vector<std::uint8_t> r(65, 0);
    r[0] = 1;
    r[1] = static_cast<std::uint8_t>(opcode);
    std::copy(payload.begin(), payload.end(), r.begin() + 2);
    return r;
}

std::vector<std::uint8_t> writeFloat(ParameterId id, std::uint8_t index, float value)
{
    const auto p = float32Payload(id, index, value);
    return request(Opcode::WriteRequest, {p.begin(), p.end()});
}

std::vector<std::uint8_t> writeCode(ParameterId id, std::uint8_t index, std::uint8_t code)
{
    const auto p = choicePayload(id, index, code);
    return request(Opcode::WriteRequest, {p.begin(), p.end()});
}

} // namespace

TEST(SimulatedModule, AnswersReadsAndAcknowledgesWrites)
{
    SimulatedModule module;
    const auto version = module.handleOutputReport(request(Opcode::ReadRequest, {27, 0}));
    ASSERT_EQ(version.size(), 1u);
    EXPECT_EQ(version[0][0], 1);
    EXPECT_EQ(version[0][1], 27);

    const auto ack = module.handleOutputReport(writeFloat(ParameterId::AdcCoeff, 1, 2.0f));
    ASSERT_EQ(ack.size(), 1u);
    EXPECT_EQ(ack[0], (std::vector<std::uint8_t>{2, 4, 1}));

    EXPECT_TRUE(module.handleOutputReport(std::vector<std::uint8_t>{}).empty());
    EXPECT_TRUE(module.handleOutputReport(std::vector<std::uint8_t>{1}).empty());
}

TEST(SimulatedModule, SameTimeSameValues)
{
    SimulatedModule a, b;
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(a.nextMeasurementReport(), b.nextMeasurementReport()) << i;
    EXPECT_NEAR(a.moduleTime(), 0.5, 1e-9); // 50 reports at the default 10 ms
}

TEST(SimulatedModule, ValuesArePlausibleAndMove)
{
    SimulatedModule module;
    float lastPosition = -1e9f;
    bool in1 = false, notIn1 = false;
    for (double t = 0.0; t < 40.0; t += 0.25) {
        const MeasurementFrame f = module.measurementAt(t);
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(f.analog[j].mode, 0);
            EXPECT_GE(f.analog[j].value, 0.0f);
            EXPECT_LE(f.analog[j].value, 10.0f);
            EXPECT_GE(f.analog[j].average, 0.0f);
            EXPECT_LE(f.analog[j].average, 10.0f);
        }
        EXPECT_GT(f.encoder[0].position, lastPosition) << t; // encoder 1 turns forwards
        lastPosition = f.encoder[0].position;
        EXPECT_GT(f.encoder[0].velocity, 0.0f);
        EXPECT_LT(f.encoder[1].velocity, 0.0f);
        EXPECT_FLOAT_EQ(f.math[0], f.analog[0].value + f.analog[1].value); // MathMode 0 "ADC1 + ADC2"
        (f.statusBitsB & 1 ? in1 : notIn1) = true;
    }
    EXPECT_TRUE(in1);
    EXPECT_TRUE(notIn1);
}

TEST(SimulatedModule, ScalesByItsStoredParameters)
{
    SimulatedModule module;
    const float raw = module.measurementAt(3.0).analog[1].value;
    module.handleOutputReport(writeFloat(ParameterId::AdcOffset1, 1, 1.0f));
    module.handleOutputReport(writeFloat(ParameterId::AdcCoeff, 1, 2.0f));
    module.handleOutputReport(writeFloat(ParameterId::AdcOffset2, 1, -3.0f));
    EXPECT_FLOAT_EQ(module.measurementAt(3.0).analog[1].value, (raw + 1.0f) * 2.0f - 3.0f);

    module.handleOutputReport(writeCode(ParameterId::AdcMode, 2, 1));
    const MeasurementFrame mA = module.measurementAt(3.0);
    EXPECT_EQ(mA.analog[2].mode, 1);
    EXPECT_GE(mA.analog[2].value, 4.0f);
    EXPECT_LE(mA.analog[2].value, 20.0f);

    const float revPerS = module.measurementAt(3.0).encoder[0].velocity;
    module.handleOutputReport(writeCode(ParameterId::EncMode, 0, 1)); // rev/min
    EXPECT_FLOAT_EQ(module.measurementAt(3.0).encoder[0].velocity, revPerS * 60.0f);

    module.handleOutputReport(writeCode(ParameterId::MathMode, 1, 24)); // "M2"
    module.handleOutputReport(writeFloat(ParameterId::MathFactor, 1, 7.5f));
    EXPECT_FLOAT_EQ(module.measurementAt(3.0).math[1], 7.5f);
}

TEST(SimulatedModule, ClearPositionZeroesTheEncoder)
{
    SimulatedModule module;
    for (int i = 0; i < 200; ++i)
        module.nextMeasurementReport();
    const auto clear = commandPayload(ParameterId::EncClearPosition, 1);
    module.handleOutputReport(request(Opcode::WriteRequest, {clear.begin(), clear.end()}));
    EXPECT_NEAR(module.measurementAt(module.moduleTime()).encoder[1].position, 0.0f, 1e-4f);
    EXPECT_GT(std::fabs(module.measurementAt(module.moduleTime()).encoder[0].position), 1.0f);
}

TEST(SimulatedModule, OutputBitsFollowTheStoredRules)
{
    SimulatedModule module;
    // Output 3: source 1 "always active".
    const std::vector<std::uint8_t> rule{16, 2, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    module.handleOutputReport(request(Opcode::WriteRequest, rule));
    const auto report = module.nextMeasurementReport();
    ASSERT_TRUE(report);
    EXPECT_EQ((*report)[1] >> 2, 0b000100);
}

TEST(SimulatedModule, SendIntervalFollowsTheParameterOrTheOverride)
{
    SimulatedModule module;
    EXPECT_EQ(module.sendInterval(), std::chrono::milliseconds(10));
    const auto p = int32Payload(ParameterId::SendInterval, 0, 3);
    module.handleOutputReport(request(Opcode::WriteRequest, {p.begin(), p.end()}));
    EXPECT_EQ(module.sendInterval(), std::chrono::milliseconds(3));
    module.setSendIntervalOverride(std::chrono::microseconds(125));
    EXPECT_EQ(module.sendInterval(), std::chrono::microseconds(125));
    module.setSendIntervalOverride(std::chrono::nanoseconds(0));
    EXPECT_EQ(module.sendInterval(), std::chrono::milliseconds(3));
}

TEST(SimulatedModule, TriggerModeOneSendsOnlyWhileIn1IsActive)
{
    SimulatedModule module;
    module.handleOutputReport(writeCode(ParameterId::TriggerMode, 0, 1));
    int sent = 0;
    for (int i = 0; i < 400; ++i) { // 4 s: IN1 is active for 1 s of them
        if (auto r = module.nextMeasurementReport()) {
            ++sent;
            EXPECT_EQ((*r)[46] >> 2 & 1, 1);
        }
    }
    EXPECT_GT(sent, 90);
    EXPECT_LT(sent, 110);
}

TEST(MeasurementStreamer, StreamsAtTheOverriddenRate)
{
    SimulatedModule module;
    module.setSendIntervalOverride(std::chrono::microseconds(125)); // 8,000 reports/s
    std::atomic<int> got{0};
    MeasurementStreamer streamer(module, [&](std::span<const std::uint8_t> r) {
        EXPECT_EQ(r.size(), moduleInputReportSize);
        ++got;
    });
    streamer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    streamer.stop();
    const int n = got.load();
    EXPECT_EQ(static_cast<std::uint64_t>(n), streamer.reportsSent());
    EXPECT_GT(n, 1600);  // 4,000 expected; generous for a loaded machine
    EXPECT_LE(n, 4100);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(got.load(), n); // nothing after stop()
}
