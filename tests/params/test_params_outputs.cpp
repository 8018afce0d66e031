// The six transistor-output rules: row enabling, the six-part write that
// advances only on acknowledgements, and the six-part read.
#include "ParamsWindowFixture.h"

#include "app/Colours.h"
#include "app/ParameterInput.h"
#include "app/Strings.h"

#include <QApplication>

#include <array>
#include <bit>

using namespace trv630;
using namespace trv630::test;

namespace {

/// Payload of one output-rule part: 16, part, five codes, two float32 LE.
Bytes rulePart(std::uint8_t part, const std::array<std::uint8_t, 5>& fields, float v1, float v2)
{
    Bytes p(15, 0);
    p[0] = 16;
    p[1] = part;
    std::copy(fields.begin(), fields.end(), p.begin() + 2);
    for (int f = 0; f < 2; ++f) {
        const auto u = std::bit_cast<std::uint32_t>(f == 0 ? v1 : v2);
        for (int i = 0; i < 4; ++i)
            p[7 + 4 * f + i] = std::uint8_t(u >> (8 * i));
    }
    return p;
}

Bytes ack(std::uint8_t id, std::uint8_t index) { return {2, id, index}; }

} // namespace

class OutputRules : public ParamsWindow {
public:
    /// Enabled state of condition 1, value 1, combination, condition 2, value 2, state.
    std::vector<bool> enabled(int row)
    {
        std::vector<bool> e;
        for (const char* column : {"B", "N", "T", "C", "M", "S"})
            e.push_back(find<QWidget>(QStringLiteral("out%1_%2").arg(row).arg(QLatin1String(column)).toLatin1())
                            ->isEnabled());
        return e;
    }
};

TEST_F(OutputRules, RowsStartDisabledButForTheirSourceList)
{
    for (int row = 1; row <= 6; ++row) {
        EXPECT_TRUE(list(QStringLiteral("out%1_W").arg(row).toLatin1())->isEnabled());
        EXPECT_EQ(enabled(row), std::vector<bool>(6, false)) << row;
    }
}

TEST_F(OutputRules, SourceAndCombinationListsEnableTheirRow)
{
    const std::vector<bool> first{true, true, true, false, false, true};
    choose("out3_W", 2);
    EXPECT_EQ(enabled(3), first);
    choose("out3_T", 1);
    EXPECT_EQ(enabled(3), std::vector<bool>(6, true));
    choose("out3_T", 0);
    EXPECT_EQ(enabled(3), first);
    choose("out3_T", 2);
    choose("out3_W", 1); // "always active": nothing to compare
    EXPECT_EQ(enabled(3), std::vector<bool>(6, false));
    EXPECT_EQ(enabled(2), std::vector<bool>(6, false)); // other rows untouched
}

TEST_F(OutputRules, WriteSendsSixPartsEachOnlyAfterThePreviousAcknowledgement)
{
    choose("out1_W", 2);
    list("out1_B")->setCurrentIndex(1);
    type("out1_N", "1,5");
    choose("out1_T", 1);
    type("out1_M", "2,5");
    list("out1_S")->setCurrentIndex(1);
    choose("out2_W", 5);
    type("out2_N", "3");
    type("out2_M", "not parsed: combination 0");
    type("out3_N", "not parsed: source 0");
    choose("out6_W", 1);

    window().setPanelText(0, QString());
    click("BitBtn43");
    EXPECT_EQ(writtenPayloads(2, 15), (std::vector<Bytes>{rulePart(0, {2, 1, 0, 1, 1}, 1.5f, 2.5f)}));
    const Bytes rest[] = {rulePart(1, {5, 0, 0, 0, 0}, 3.0f, 0.0f), rulePart(2, {0, 0, 0, 0, 0}, 0, 0),
                          rulePart(3, {0, 0, 0, 0, 0}, 0, 0), rulePart(4, {0, 0, 0, 0, 0}, 0, 0),
                          rulePart(5, {1, 0, 0, 0, 0}, 0, 0)};
    for (std::uint8_t part = 0; part < 5; ++part) {
        EXPECT_TRUE(written().empty()) << "nothing before the acknowledgement of part " << int(part);
        receive(ack(16, part));
        EXPECT_EQ(writtenPayloads(2, 15), std::vector<Bytes>{rest[part]});
        EXPECT_TRUE(window().panelText(0).isEmpty());
    }
    receive(ack(16, 5));
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(window().panelText(0), lookupString(StringId::IDS_2) + QStringLiteral("16][5]"));
    EXPECT_EQ(background(box("out2_M")), QApplication::palette(box("out2_M")).color(QPalette::Base));
}

TEST_F(OutputRules, ValueThatIsNoNumberStopsTheWholeWrite)
{
    choose("out1_W", 3);
    type("out1_N", "4");
    choose("out4_W", 14);
    type("out4_N", "12a");
    click("BitBtn43");
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(background(box("out4_N")), fromWindowsColour(badInputColour));
    EXPECT_EQ(window().outputRuleTable[0].value1, 4.0f); // rows before keep what they got
    EXPECT_EQ(window().outputRuleTable[3].source, 14);
}

TEST_F(OutputRules, SecondValueKeepsItsEarlierContentWhenOnlyOneConditionCounts)
{
    choose("out2_W", 2);
    type("out2_N", "1");
    choose("out2_T", 2);
    type("out2_M", "9");
    click("BitBtn43");
    written();
    choose("out2_T", 0);
    type("out2_M", "7");
    click("BitBtn43");
    written();
    EXPECT_EQ(window().outputRuleTable[1].value2, 9.0f);
}

TEST_F(OutputRules, ReadFollowsTheRepliesThenEnablesTheRows)
{
    click("BitBtn44");
    EXPECT_EQ(writtenPayloads(1, 2), std::vector<Bytes>{Bytes({16, 0})});
    for (std::uint8_t k = 0; k < 6; ++k) {
        Bytes value = rulePart(k, {std::uint8_t(k == 2 ? 4 : 0), 1, 0, std::uint8_t(k == 2 ? 1 : 0), 1}, float(k), float(-k));
        value.erase(value.begin(), value.begin() + 2);
        receive(replyOf(16, k, value));
        if (k < 5) {
            EXPECT_EQ(writtenPayloads(1, 2), std::vector<Bytes>{Bytes({16, std::uint8_t(k + 1)})});
            EXPECT_EQ(enabled(3), std::vector<bool>(6, false)) << "not before the last reply";
        }
    }
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(list("out3_W")->currentIndex(), 4);
    EXPECT_EQ(box("out6_N")->text(), "5,0000");
    EXPECT_EQ(enabled(3), std::vector<bool>(6, true));
    EXPECT_EQ(enabled(1), std::vector<bool>(6, false));
}
