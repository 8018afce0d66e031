// The report-descriptor parser on descriptors as devices send them.
#include "link/HidDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trv630;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The module: vendor page 0xFF00, report id 1, 64-byte input and output.
const Bytes moduleDescriptor = {
    0x06, 0x00, 0xFF, // Usage Page (Vendor 0xFF00)
    0x09, 0x01,       // Usage (1)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x01,       //   Report ID (1)
    0x15, 0x00,       //   Logical Minimum (0)
    0x26, 0xFF, 0x00, //   Logical Maximum (255)
    0x75, 0x08,       //   Report Size (8)
    0x95, 0x40,       //   Report Count (64)
    0x09, 0x01,       //   Usage (1)
    0x81, 0x02,       //   Input (Data, Var, Abs)
    0x95, 0x40,       //   Report Count (64)
    0x09, 0x02,       //   Usage (2)
    0x91, 0x02,       //   Output (Data, Var, Abs)
    0xC0,             // End Collection
};

// The same device without numbered reports.
const Bytes unnumberedDescriptor = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x09, 0x01, 0x81, 0x02,
    0x95, 0x40, 0x09, 0x02, 0x91, 0x02, 0xC0,
};

// A boot keyboard: 8-byte input, output of 5 LED bits plus 3 padding bits.
const Bytes keyboardDescriptor = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02,       // modifiers: 8 x 1 bit
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,       // reserved byte
    0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, // LEDs: 5 x 1 bit
    0x95, 0x01, 0x75, 0x03, 0x91, 0x01,       // LED padding: 3 bits
    0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65,
    0x81, 0x00,                               // key array: 6 bytes
    0xC0,
};

// Several numbered reports: id 1 input 16 bytes and output 8, id 2 output 32,
// id 3 feature 100 bytes, with Push/Pop around id 3 and a long item between.
const Bytes multiReportDescriptor = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
    0x75, 0x08,                   // Report Size (8)
    0x85, 0x01, 0x95, 0x10, 0x09, 0x01, 0x81, 0x02, // id 1: input 16
    0x95, 0x08, 0x09, 0x02, 0x91, 0x02,             // id 1: output 8
    0x85, 0x02, 0x95, 0x20, 0x09, 0x03, 0x91, 0x02, // id 2: output 32
    0xA4,                                           // Push
    0x85, 0x03, 0x95, 0x64, 0x09, 0x04, 0xB1, 0x02, // id 3: feature 100
    0xB4,                                           // Pop: back to id 2, count 32
    0xFE, 0x02, 0x10, 0xAA, 0xBB,                   // long item, 2 data bytes
    0x09, 0x05, 0x81, 0x02,                         // id 2: input 32
    0xC0,
};

struct LengthCase {
    const char* name;
    const Bytes* descriptor;
    bool usesReportIds;
    std::optional<int> output;
    std::optional<int> input;
    friend void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }
};

class DescriptorLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(DescriptorLength, GivesReportLengthsAsHidrawTakesThem)
{
    const LengthCase& c = GetParam();
    std::string error;
    const auto summary = parseHidDescriptor(*c.descriptor, &error);
    ASSERT_TRUE(summary) << error;
    EXPECT_EQ(summary->usesReportIds, c.usesReportIds);
    EXPECT_EQ(hidOutputReportLength(*summary), c.output);
    EXPECT_EQ(hidInputReportLength(*summary), c.input);
}

const Bytes emptyDescriptor;
const Bytes inputOnlyDescriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x07,
                                   0x75, 0x08, 0x95, 0x03, 0x81, 0x02, 0xC0};

INSTANTIATE_TEST_SUITE_P(Descriptors, DescriptorLength,
    ::testing::Values(
        LengthCase{"module_id1_64", &moduleDescriptor, true, 65, 65},
        LengthCase{"unnumbered_64", &unnumberedDescriptor, false, 64, 64},
        LengthCase{"keyboard_bits", &keyboardDescriptor, false, 1, 8},
        LengthCase{"several_reports", &multiReportDescriptor, true, 33, 33},
        LengthCase{"input_only", &inputOnlyDescriptor, true, std::nullopt, 4},
        LengthCase{"empty", &emptyDescriptor, false, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Descriptor, KeepsEachReportIdApart)
{
    const auto summary = parseHidDescriptor(multiReportDescriptor);
    ASSERT_TRUE(summary);
    ASSERT_EQ(summary->reports.size(), 3u);
    EXPECT_EQ(summary->reports[0].reportId, 1);
    EXPECT_EQ(summary->reports[0].inputBits, 16 * 8);
    EXPECT_EQ(summary->reports[0].outputBits, 8 * 8);
    EXPECT_EQ(summary->reports[1].reportId, 2);
    EXPECT_EQ(summary->reports[1].outputBits, 32 * 8);
    EXPECT_EQ(summary->reports[1].inputBits, 32 * 8); // Pop restored id 2 and count 32
    EXPECT_EQ(summary->reports[2].reportId, 3);
    EXPECT_EQ(summary->reports[2].featureBits, 100 * 8);
}

struct BadCase {
    const char* name;
    Bytes descriptor;
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

class BadDescriptor : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadDescriptor, IsRejectedWithAReason)
{
    std::string error;
    EXPECT_FALSE(parseHidDescriptor(GetParam().descriptor, &error));
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(Descriptors, BadDescriptor,
    ::testing::Values(
        BadCase{"item_cut_short", {0x06, 0x00, 0xFF, 0x26, 0xFF}},
        BadCase{"report_id_without_data", {0x85}},
        BadCase{"report_id_zero", {0x85, 0x00}},
        BadCase{"long_item_cut_short", {0xFE, 0x05, 0x10, 0x01}},
        BadCase{"pop_without_push", {0xB4}},
        BadCase{"huge_report", {0x77, 0xFF, 0xFF, 0x00, 0x00, 0x97, 0xFF, 0xFF, 0x00, 0x00, 0x91, 0x02}},
        BadCase{"reports_adding_up_too_far",
                {0x75, 0x08, 0x96, 0xFF, 0xFF, 0x91, 0x02, 0x91, 0x02, 0x91, 0x02}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Descriptor, ModuleDescriptorCutAnywhereNeverReadsPastTheEnd)
{
    for (std::size_t n = 0; n <= moduleDescriptor.size(); ++n) {
        std::span<const std::uint8_t> prefix(moduleDescriptor.data(), n);
        const auto summary = parseHidDescriptor(prefix);
        if (summary && n < moduleDescriptor.size()) {
            EXPECT_LE(hidOutputReportLength(*summary).value_or(0), 65) << n;
        }
    }
}

} // namespace
