// The measurement record, field by field, and the local clock behind its
// date and time fields.
#include "log/LocalClock.h"
#include "log/LogRecord.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace trv630;

namespace {

// The measurement of the worked example.
MeasurementFrame exampleFrame()
{
    MeasurementFrame f;
    const float values[] = {4.5f, 0.0f, 12.25f, 7.125f};
    const float averages[] = {4.25f, 0.0f, 12.5f, 7.0f};
    for (int i = 0; i < 4; ++i) {
        f.analog[i].value = values[i];
        f.analog[i].average = averages[i];
    }
    f.encoder[0].position = 100.5f;
    f.encoder[1].position = -3.25f;
    f.encoder[0].velocity = 2.0f;
    f.encoder[1].velocity = 0.0f;
    f.math = {16.75f, -1.5f};
    f.statusBitsA = 5;
    return f;
}

RecordFieldSet only(std::initializer_list<RecordField> fields)
{
    RecordFieldSet s;
    for (RecordField f : fields)
        s.set(f);
    return s;
}

class LogRecordTest : public ::testing::Test {
protected:
    MeasurementFrame frame = exampleFrame();
    LogRecordInput input()
    {
        LogRecordInput in;
        in.frame = &frame;
        in.measurementCount = 1234;
        in.countMod = 100;
        in.decimals = 3;
        in.decimalSeparator = u','; // Polish regional settings
        in.time = {2024, 3, 9, 14, 5, 7, 45};
        in.fields = RecordFieldSet::all();
        return in;
    }
    static std::string build(const LogRecordInput& in)
    {
        std::string record = "left over from the previous report";
        buildLogRecord(record, in);
        return record;
    }
};

TEST_F(LogRecordTest, WorkedExampleByteForByte)
{
    EXPECT_EQ(build(input()),
              "9-3-2024;14:5:7:45;1234;34;4,500;0,000;12,250;7,125;4,250;0,000;12,500;7,000;"
              "100,500;-3,250;2,000;0,000;16,750;-1,500;HI;LO;HI;LO;LO;LO;\r\n");
}

struct RecordCase {
    const char* name;
    void (*adjust)(LogRecordInput&, MeasurementFrame&);
    const char* expected;
};

const RecordCase recordCases[] = {
    {"TimeAdc1Outputs",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Time, RecordField::Adc1, RecordField::Outputs});
     },
     "14:5:7:45;4,500;HI;LO;HI;LO;LO;LO;\r\n"},
    {"NoBoxTickedIsABareLineEnd",
     [](LogRecordInput& in, MeasurementFrame&) { in.fields = RecordFieldSet(); }, "\r\n"},
    {"DateWithoutLeadingZeros",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Date});
         in.time = {2025, 1, 1, 0, 0, 0, 0};
     },
     "1-1-2025;\r\n"},
    {"MidnightTime",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Time});
         in.time = {2025, 1, 1, 0, 0, 0, 0};
     },
     "0:0:0:0;\r\n"},
    {"LastMillisecondOfTheYear",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Date, RecordField::Time});
         in.time = {2024, 12, 31, 23, 59, 59, 999};
     },
     "31-12-2024;23:59:59:999;\r\n"},
    {"NoDecimalsRoundsHalfAwayFromZero",
     [](LogRecordInput& in, MeasurementFrame& f) {
         in.fields = only({RecordField::Adc1, RecordField::Adc2});
         in.decimals = 0;
         f.analog[0].value = 2.5f;
         f.analog[1].value = -2.5f;
     },
     "3;-3;\r\n"},
    {"OtherSeparator",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Adc3, RecordField::Enc1Position});
         in.decimalSeparator = u'.';
         in.decimals = 1;
     },
     "12.3;100.5;\r\n"},
    {"NonAsciiSeparatorIsUtf8",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Math1});
         in.decimalSeparator = u'\u066B'; // Arabic decimal separator
         in.decimals = 2;
     },
     "16\xD9\xAB" "75;\r\n"},
    {"FourDecimals",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Enc2Position});
         in.decimals = 4;
     },
     "-3,2500;\r\n"},
    {"ModOneIsAlwaysZero",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::CountMod});
         in.countMod = 1;
     },
     "0;\r\n"},
    {"ModZeroGivesThePlaceholderAndKeepsTheFieldsInPlace",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Count, RecordField::CountMod, RecordField::Adc1});
         in.countMod = 0;
     },
     "1234;---;4,500;\r\n"},
    {"NegativeStoredModIsTakenAsUnsigned",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::CountMod});
         in.countMod = static_cast<std::uint32_t>(-5); // 4294967291
     },
     "1234;\r\n"},
    {"CountersAreUnsigned32Bit",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Count, RecordField::CountMod});
         in.measurementCount = 4294967295u;
         in.countMod = 10;
     },
     "4294967295;5;\r\n"},
    {"FirstReportCountsZero",
     [](LogRecordInput& in, MeasurementFrame&) {
         in.fields = only({RecordField::Count, RecordField::CountMod});
         in.measurementCount = 0;
     },
     "0;0;\r\n"},
    {"AllOutputsOn",
     [](LogRecordInput& in, MeasurementFrame& f) {
         in.fields = only({RecordField::Outputs});
         f.statusBitsA = 63;
     },
     "HI;HI;HI;HI;HI;HI;\r\n"},
    {"OutputsIgnoreTheHighBits",
     [](LogRecordInput& in, MeasurementFrame& f) {
         in.fields = only({RecordField::Outputs});
         f.statusBitsA = 0xC0 | 0x20;
     },
     "LO;LO;LO;LO;LO;HI;\r\n"},
    {"NonFiniteValuesAsFormatReadingWritesThem",
     [](LogRecordInput& in, MeasurementFrame& f) {
         in.fields = only({RecordField::Math1, RecordField::Math2, RecordField::Adc1Avg});
         f.analog[0].average = std::numeric_limits<float>::quiet_NaN();
         f.math = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
     },
     "NAN;INF;-INF;\r\n"},
};

class RecordTable : public LogRecordTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RecordTable, Builds)
{
    LogRecordInput in = input();
    GetParam().adjust(in, frame);
    EXPECT_EQ(build(in), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Log, RecordTable, ::testing::ValuesIn(recordCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each of the fourteen value boxes takes its own member of the frame.
TEST_F(LogRecordTest, EachValueFieldTakesItsOwnChannel)
{
    for (int i = 0; i < 4; ++i) {
        frame.analog[i].value = 1.0f + i;
        frame.analog[i].average = 5.0f + i;
    }
    frame.encoder[0].position = 9;
    frame.encoder[1].position = 10;
    frame.encoder[0].velocity = 11;
    frame.encoder[1].velocity = 12;
    frame.math = {13, 14};
    for (int k = 0; k < 14; ++k) {
        LogRecordInput in = input();
        in.decimals = 0;
        in.fields = only({static_cast<RecordField>(static_cast<int>(RecordField::Adc1) + k)});
        EXPECT_EQ(build(in), std::to_string(k + 1) + ";\r\n") << "field " << k + 5;
    }
}

// The date and time of a record are the local time of the arrival stamp.
TEST(LocalClockTest, MatchesTheLocalTimeOfTheStamp)
{
    LocalClock clock;
    const QDateTime local(QDate(2024, 3, 9), QTime(14, 5, 7, 45), Qt::LocalTime);
    const qint64 ms = local.toMSecsSinceEpoch();
    const LocalDateTime t = clock.at(ms);
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 9);
    EXPECT_EQ(t.hour, 14);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 7);
    EXPECT_EQ(t.millisecond, 45);
}

TEST(LocalClockTest, FollowsEveryMillisecondAcrossSecondsDaysAndYears)
{
    LocalClock clock;
    const qint64 starts[] = {
        QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58), Qt::LocalTime).toMSecsSinceEpoch(),
        QDateTime(QDate(2025, 3, 30), QTime(0, 59, 59), Qt::UTC).toMSecsSinceEpoch(), // EU DST
        -1500, // before the epoch
    };
    for (qint64 start : starts) {
        for (qint64 ms = start; ms < start + 3000; ms += 7) {
            const QDateTime expected = QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
            const LocalDateTime t = clock.at(ms);
            ASSERT_EQ(t.year, expected.date().year()) << ms;
            ASSERT_EQ(t.month, expected.date().month()) << ms;
            ASSERT_EQ(t.day, expected.date().day()) << ms;
            ASSERT_EQ(t.hour, expected.time().hour()) << ms;
            ASSERT_EQ(t.minute, expected.time().minute()) << ms;
            ASSERT_EQ(t.second, expected.time().second()) << ms;
            ASSERT_EQ(t.millisecond, expected.time().msec()) << ms;
        }
    }
}

} // namespace
