#include "log/LogRecord.h"

#include "log/ReadingText.h"

#include <charconv>
#include <cstring>
#include <exception>

namespace trv630 {

namespace {

// The longest record: date 11, time 12, two counters of 10 digits, fourteen
// values, six outputs, every field with its ";", and the line end.
constexpr std::size_t maxRecordBytes =
    12 + 13 + 2 * 11 + 14 * (maxReadingTextBytes + 1) + 6 * 3 + recordLineEnd.size();

// Appends to a fixed buffer large enough for any record; the record is
// copied into the caller's string once, at the end.
class RecordBuffer {
public:
    void put(char c) { *end_++ = c; }
    void put(std::string_view s)
    {
        std::memcpy(end_, s.data(), s.size());
        end_ += s.size();
    }
    template <typename Int>
    void number(Int n)
    {
        end_ = std::to_chars(end_, bytes_ + sizeof bytes_, n).ptr;
    }
    // One value field; a formatting error leaves the placeholder in its place.
    void value(float v, int decimals, char16_t separator)
    {
        char* const mark = end_;
        try {
            end_ = writeReadingText(end_, v, decimals, separator);
            put(';');
        } catch (const std::exception&) {
            end_ = mark;
            put(recordPlaceholder);
        }
    }
    std::string_view text() const { return {bytes_, static_cast<std::size_t>(end_ - bytes_)}; }

private:
    char bytes_[maxRecordBytes];
    char* end_ = bytes_;
};

} // namespace

void buildLogRecord(std::string& record, const LogRecordInput& in)
{
    static const MeasurementFrame noFrame{};
    const MeasurementFrame& m = in.frame ? *in.frame : noFrame;
    const RecordFieldSet& f = in.fields;
    const LocalDateTime& t = in.time;
    RecordBuffer b;

    if (f.test(RecordField::Date)) {
        b.number(t.day);
        b.put('-');
        b.number(t.month);
        b.put('-');
        b.number(t.year);
        b.put(';');
    }
    if (f.test(RecordField::Time)) {
        b.number(t.hour);
        b.put(':');
        b.number(t.minute);
        b.put(':');
        b.number(t.second);
        b.put(':');
        b.number(t.millisecond);
        b.put(';');
    }
    if (f.test(RecordField::Count)) {
        b.number(in.measurementCount);
        b.put(';');
    }
    if (f.test(RecordField::CountMod)) {
        // Both taken as unsigned 32-bit; a divisor of 0 (hand-edited
        // config.ini) has no remainder to show.
        if (in.countMod == 0) {
            b.put(recordPlaceholder);
        } else {
            b.number(in.measurementCount % in.countMod);
            b.put(';');
        }
    }

    const float values[14] = {
        m.analog[0].value,     m.analog[1].value,     m.analog[2].value,   m.analog[3].value,
        m.analog[0].average,   m.analog[1].average,   m.analog[2].average, m.analog[3].average,
        m.encoder[0].position, m.encoder[1].position,
        m.encoder[0].velocity, m.encoder[1].velocity,
        m.math[0],             m.math[1],
    };
    constexpr auto first = static_cast<std::size_t>(RecordField::Adc1);
    for (std::size_t i = 0; i < 14; ++i) {
        if (f.test(first + i))
            b.value(values[i], in.decimals, in.decimalSeparator);
    }
    if (f.test(RecordField::Outputs)) {
        for (int n = 0; n < 6; ++n)
            b.put((m.statusBitsA >> n) & 1u ? std::string_view("HI;") : std::string_view("LO;"));
    }
    b.put(recordLineEnd);
    record.assign(b.text());
}

} // namespace trv630
