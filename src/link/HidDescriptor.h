// A small parser of HID report descriptors: enough to learn which report ids
// a device uses and how long its input, output and feature reports are.
//
// Pure code over bytes; no I/O. Used by the hidapi backend to find the output
// report length that the program writes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trv630 {

/// Sizes of one report id's reports, in bits (the id byte not counted).
struct HidReportSizes {
    std::uint8_t reportId = 0; ///< 0 when the descriptor declares no report ids
    long inputBits = 0;
    long outputBits = 0;
    long featureBits = 0;
};

struct HidDescriptorSummary {
    bool usesReportIds = false;
    std::vector<HidReportSizes> reports; ///< in order of first appearance
};

/// Parses a report descriptor. Returns nothing, and sets *error if given,
/// when the descriptor is truncated or declares impossible sizes.
std::optional<HidDescriptorSummary> parseHidDescriptor(std::span<const std::uint8_t> descriptor,
                                                       std::string* error = nullptr);

/// Length in bytes of the longest output report as hidraw takes it in a
/// write: the report-id byte (only when the device numbers its reports)
/// followed by the report's data. A device with report id 1 and a 64-byte
/// output report gives 65; one without report ids and 64 data bytes gives 64.
/// Nothing when the device declares no output report.
std::optional<int> hidOutputReportLength(const HidDescriptorSummary& summary);

/// Same rule for the longest input report (what one read returns).
std::optional<int> hidInputReportLength(const HidDescriptorSummary& summary);

} // namespace trv630
