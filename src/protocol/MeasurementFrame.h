// The decoded form of the latest measurement report. Values are single
// precision floats in engineering units, exactly as the module sent them.
#pragma once

#include <array>
#include <cstdint>

namespace trv630 {

struct EncoderReading {
    std::uint8_t mode = 0;  ///< 0 rev/rev/s, 1 rev/rev/min, 2 mm/mm/s, 3 mm/mm/min
    float velocity = 0.0f;
    float position = 0.0f;
};

struct AnalogReading {
    std::uint8_t mode = 0;  ///< 0 = "0~10 V", anything else = "0~20 mA"
    float value = 0.0f;
    float average = 0.0f;
};

struct MeasurementFrame {
    std::array<EncoderReading, 2> encoder{};
    std::array<AnalogReading, 4> analog{};
    std::array<float, 2> math{};
    std::uint8_t statusBitsA = 0; ///< bit n: transistor output n+1 is on
    std::uint8_t statusBitsB = 0; ///< bit 0: IN1 active, bit 1: IN2 active
};

} // namespace trv630
