// The measurement record: one line of the measurement file, built from the
// latest MeasurementFrame and the fields the user ticked.
//
// Layout (every field is followed by ";", the line ends with CR LF):
//   date "d-m-yyyy", time "h:m:s:ms", count, count MOD countMod,
//   ADC 1..4 value, ADC 1..4 average, ENC 1/2 position, ENC 1/2 velocity,
//   MATH 1/2, outputs T1..T6 as "HI"/"LO" (six fields from one box).
// Unticked fields are left out entirely; no header, no column names.
//
// Pure code: the clock reading and the field choice are inputs, nothing here
// touches a widget or a file. Called once per measurement report on the GUI
// thread; the caller keeps one std::string and reuses its capacity.
#pragma once

#include "protocol/MeasurementFrame.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace trv630 {

/// The nineteen record-field boxes, in record (and on-page) order.
enum class RecordField : std::uint8_t {
    Date, Time, Count, CountMod,
    Adc1, Adc2, Adc3, Adc4,
    Adc1Avg, Adc2Avg, Adc3Avg, Adc4Avg,
    Enc1Position, Enc2Position, Enc1Velocity, Enc2Velocity,
    Math1, Math2,
    Outputs, ///< six fields: transistor outputs T1..T6
};
inline constexpr std::size_t recordFieldCount = 19;

class RecordFieldSet {
public:
    static RecordFieldSet all() { RecordFieldSet s; s.bits_.set(); return s; }
    RecordFieldSet& set(RecordField f, bool on = true) { bits_.set(index(f), on); return *this; }
    bool test(RecordField f) const { return bits_.test(index(f)); }
    bool test(std::size_t i) const { return bits_.test(i); }
    bool none() const { return bits_.none(); }

private:
    static std::size_t index(RecordField f) { return static_cast<std::size_t>(f); }
    std::bitset<recordFieldCount> bits_;
};

/// A local date and time of day, as read from the PC clock.
struct LocalDateTime {
    int year = 1970;
    int month = 1;       ///< 1..12
    int day = 1;         ///< 1..31
    int hour = 0;        ///< 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0; ///< 0..999
};

/// Everything one record is built from.
struct LogRecordInput {
    const MeasurementFrame* frame = nullptr;
    std::uint32_t measurementCount = 0; ///< reports before this one
    std::uint32_t countMod = 1;         ///< 0 gives the placeholder in the MOD field
    int decimals = 2;                   ///< selected index of DivBox, 0..4
    char16_t decimalSeparator = u'.';   ///< of the user's regional settings
    LocalDateTime time;                 ///< one clock reading for the whole record
    RecordFieldSet fields;
};

/// Stands in for a field whose text cannot be formed (separator included).
inline constexpr std::string_view recordPlaceholder = "---;";

/// The line end of every record, as stored in the file on every platform.
inline constexpr std::string_view recordLineEnd = "\r\n";

/// Replaces `record` with the record of `in` (UTF-8, ending in CR LF).
/// Value fields are formatReading's text with in.decimalSeparator.
void buildLogRecord(std::string& record, const LogRecordInput& in);

} // namespace trv630
