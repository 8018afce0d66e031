// The measurement report (input report of kind 0) and its decoded form.
//
// Offsets count from the kind byte (byte 0 of the data after the report id).
// Floats are IEEE-754 single precision, little-endian.
//   0       kind = 0
//   1..9    encoder record 1       10..18  encoder record 2
//   19..27  analog record 1        28..36  analog record 2
//   37..45  analog record 3        46..54  analog record 4
//   55..58  math value 1           59..62  math value 2
// A 9-byte record: byte 0 bits 0-1 the channel's mode, bits 2-7 status bits
// (outputs T1-T6 in byte 1, trigger inputs IN1/IN2 in byte 46, nothing
// elsewhere); bytes 1-4 first float; bytes 5-8 second float.
// Encoder record: velocity, then position. Analog record: value, then average.
#pragma once

#include "protocol/MeasurementFrame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace trv630 {

/// Bytes of the report that carry values (offsets 0 to 62).
inline constexpr std::size_t measurementReportSize = 63;
/// Data length of the module's input report (64-byte report after the id).
inline constexpr std::size_t moduleInputReportSize = 64;

/// Overwrites every field of frame from the report. Returns false and leaves
/// frame untouched when data is shorter than measurementReportSize (the
/// program always passes its 128-byte receive buffer, which is long enough).
bool decodeMeasurement(std::span<const std::uint8_t> data, MeasurementFrame& frame);

/// The report that decodes to frame (the simulated module and tests send it).
/// Mode values are cut to 2 bits and status fields to 6; byte 0 is kind 0 and
/// bytes 63 onward are zero.
std::array<std::uint8_t, moduleInputReportSize> encodeMeasurement(const MeasurementFrame& frame);

} // namespace trv630
