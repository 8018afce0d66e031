#include "log/LogRecord.h"

#include "log/ReadingText.h"

#include <charconv>
#include <exception>

namespace trv630 {

namespace {

void appendNumber(std::string& out, std::uint64_t n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

void appendInt(std::string& out, int n)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

// One value field; a formatting error leaves the placeholder in its place.
void appendValue(std::string& out, float value, int decimals, char16_t separator)
{
    const std::size_t mark = out.size();
    try {
        appendReadingText(out, value, decimals, separator);
        out.push_back(';');
    } catch (const std::exception&) {
        out.resize(mark);
        out.append(recordPlaceholder);
    }
}

} // namespace

void buildLogRecord(std::string& record, const LogRecordInput& in)
{
    record.clear();
    const RecordFieldSet& f = in.fields;
    const LocalDateTime& t = in.time;

    if (f.test(RecordField::Date)) {
        appendInt(record, t.day);
        record.push_back('-');
        appendInt(record, t.month);
        record.push_back('-');
        appendInt(record, t.year);
        record.push_back(';');
    }
    if (f.test(RecordField::Time)) {
        appendInt(record, t.hour);
        record.push_back(':');
        appendInt(record, t.minute);
        record.push_back(':');
        appendInt(record, t.second);
        record.push_back(':');
        appendInt(record, t.millisecond);
        record.push_back(';');
    }
    if (f.test(RecordField::Count)) {
        appendNumber(record, in.measurementCount);
        record.push_back(';');
    }
    if (f.test(RecordField::CountMod)) {
        // Both taken as unsigned 32-bit; a divisor of 0 (hand-edited
        // config.ini) has no remainder to show.
        if (in.countMod == 0) {
            record.append(recordPlaceholder);
        } else {
            appendNumber(record, in.measurementCount % in.countMod);
            record.push_back(';');
        }
    }

    {
        static const MeasurementFrame noFrame{};
        const MeasurementFrame& m = in.frame ? *in.frame : noFrame;
        const float values[14] = {
            m.analog[0].value,    m.analog[1].value,    m.analog[2].value,    m.analog[3].value,
            m.analog[0].average,  m.analog[1].average,  m.analog[2].average,  m.analog[3].average,
            m.encoder[0].position, m.encoder[1].position,
            m.encoder[0].velocity, m.encoder[1].velocity,
            m.math[0],            m.math[1],
        };
        constexpr auto first = static_cast<std::size_t>(RecordField::Adc1);
        for (std::size_t i = 0; i < 14; ++i) {
            if (f.test(first + i))
                appendValue(record, values[i], in.decimals, in.decimalSeparator);
        }
        if (f.test(RecordField::Outputs)) {
            for (int n = 0; n < 6; ++n)
                record.append((m.statusBitsA >> n) & 1u ? "HI;" : "LO;");
        }
    }
    record.append(recordLineEnd);
}

} // namespace trv630
