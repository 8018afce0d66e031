#include "link/HidDescriptor.h"

#include <algorithm>

namespace trv630 {

namespace {

// Item prefix byte: bits 0-1 size code (0, 1, 2 or 4 data bytes), bits 2-3
// type (0 main, 1 global, 2 local), bits 4-7 tag. 0xFE starts a long item:
// one byte of data size, one byte of tag, then the data.
constexpr std::uint8_t longItemPrefix = 0xFE;
enum ItemType { Main = 0, Global = 1, Local = 2 };
enum MainTag { Input = 0x8, Output = 0x9, Collection = 0xA, Feature = 0xB, EndCollection = 0xC };
enum GlobalTag { ReportSize = 0x7, ReportId = 0x8, ReportCount = 0x9, Push = 0xA, Pop = 0xB };

// Bound on the bits of one report: hidraw's own buffers are far smaller, so a
// larger figure only comes from a corrupt descriptor.
constexpr long maxReportBits = 1L << 20;

struct GlobalState {
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

std::optional<HidDescriptorSummary> fail(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
    return std::nullopt;
}

HidReportSizes& reportFor(HidDescriptorSummary& summary, std::uint8_t id)
{
    auto it = std::find_if(summary.reports.begin(), summary.reports.end(),
                           [id](const HidReportSizes& r) { return r.reportId == id; });
    if (it != summary.reports.end())
        return *it;
    summary.reports.push_back(HidReportSizes{id, 0, 0, 0});
    return summary.reports.back();
}

std::optional<int> longestReport(const HidDescriptorSummary& summary, long HidReportSizes::*bits)
{
    long longest = 0;
    for (const auto& r : summary.reports)
        longest = std::max(longest, r.*bits);
    if (longest == 0)
        return std::nullopt;
    return static_cast<int>((longest + 7) / 8) + (summary.usesReportIds ? 1 : 0);
}

} // namespace

std::optional<HidDescriptorSummary> parseHidDescriptor(std::span<const std::uint8_t> d, std::string* error)
{
    HidDescriptorSummary summary;
    GlobalState state;
    std::vector<GlobalState> stack;
    std::size_t pos = 0;
    while (pos < d.size()) {
        const std::uint8_t prefix = d[pos];
        if (prefix == longItemPrefix) {
            if (pos + 3 > d.size())
                return fail(error, "truncated long item at byte " + std::to_string(pos));
            const std::size_t dataSize = d[pos + 1];
            if (pos + 3 + dataSize > d.size())
                return fail(error, "truncated long item at byte " + std::to_string(pos));
            pos += 3 + dataSize;
            continue;
        }
        const std::size_t sizeCode = prefix & 0x3;
        const std::size_t dataSize = sizeCode == 3 ? 4 : sizeCode;
        const int type = (prefix >> 2) & 0x3;
        const int tag = prefix >> 4;
        if (pos + 1 + dataSize > d.size())
            return fail(error, "truncated item at byte " + std::to_string(pos));
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < dataSize; ++i)
            value |= std::uint32_t(d[pos + 1 + i]) << (8 * i);
        pos += 1 + dataSize;

        if (type == Global) {
            switch (tag) {
            case ReportSize: state.reportSize = value; break;
            case ReportCount: state.reportCount = value; break;
            case ReportId:
                if (value == 0 || value > 255)
                    return fail(error, "report id " + std::to_string(value) + " out of range");
                state.reportId = static_cast<std::uint8_t>(value);
                summary.usesReportIds = true;
                break;
            case Push: stack.push_back(state); break;
            case Pop:
                if (stack.empty())
                    return fail(error, "pop without push");
                state = stack.back();
                stack.pop_back();
                break;
            default: break;
            }
        } else if (type == Main && (tag == Input || tag == Output || tag == Feature)) {
            const long bits = long(state.reportSize) * long(state.reportCount);
            if (state.reportSize > 0xFFFF || state.reportCount > 0xFFFF || bits > maxReportBits)
                return fail(error, "report of " + std::to_string(bits) + " bits");
            HidReportSizes& report = reportFor(summary, state.reportId);
            long HidReportSizes::*field = tag == Input    ? &HidReportSizes::inputBits
                                          : tag == Output ? &HidReportSizes::outputBits
                                                          : &HidReportSizes::featureBits;
            report.*field += bits;
            if (report.*field > maxReportBits)
                return fail(error, "report of more than " + std::to_string(maxReportBits) + " bits");
        }
    }
    return summary;
}

std::optional<int> hidOutputReportLength(const HidDescriptorSummary& summary)
{
    return longestReport(summary, &HidReportSizes::outputBits);
}

std::optional<int> hidInputReportLength(const HidDescriptorSummary& summary)
{
    return longestReport(summary, &HidReportSizes::inputBits);
}

} // namespace trv630
