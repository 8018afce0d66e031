// Parameter replies (kind 1) put the module's values into the controls;
// the read buttons send the right requests; the output-rule chains and the
// firmware-then-temperature read follow the answers.
#include "ParamsWindowFixture.h"

#include "app/pages/SettingsPage.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace trv630;
using namespace trv630::test;

namespace {

Bytes le32(std::uint32_t v) { return {Bytes::value_type(v), Bytes::value_type(v >> 8), Bytes::value_type(v >> 16), Bytes::value_type(v >> 24)}; }
Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

class ParameterReplies : public ParamsWindow {
public:
    QString text(const char* name) { return box(name)->text(); }
    int selection(const char* name) { return list(name)->currentIndex(); }
};

TEST_F(ParameterReplies, EveryReadableIdFillsItsControls)
{
    const Bytes twoAndHalf = le32(0x40200000), minusOne = le32(0xBF800000), three = le32(0x40400000);
    struct Case {
        const char* what;
        Bytes reply;
        std::function<void(ParameterReplies&)> check;
    };
    const Case cases[] = {
        {"AdcConfig index 1", replyOf(17, 1, cat({{1}, le32(700), le32(60000), twoAndHalf, minusOne, three})),
         [](ParameterReplies& t) {
             EXPECT_EQ(t.selection("adc_mode_2"), 1);
             EXPECT_EQ(t.text("adc_filter1_2"), "700");
             EXPECT_EQ(t.text("adc_filter2_2"), "60000");
             EXPECT_EQ(t.text("adc_coeff_2"), "2,5000");
             EXPECT_EQ(t.text("adc_offset_2"), "-1,0000");
             EXPECT_EQ(t.text("adc_offset_22"), "3,0000");
             EXPECT_EQ(t.text("adc_coeff_1"), ""); // other channels untouched
         }},
        {"EncConfig index 0", replyOf(18, 0, cat({{2}, le32(100), le32(0xFFFFFFFF), three, twoAndHalf})),
         [](ParameterReplies& t) {
             EXPECT_EQ(t.selection("enc_mode_1"), 2);
             EXPECT_EQ(t.text("enc_time_1"), "100");
             EXPECT_EQ(t.text("enc_resolution_1"), "-1");
             EXPECT_EQ(t.text("enc_coeff_1"), "3,0000");
             EXPECT_EQ(t.text("enc_offset_1"), "2,5000");
         }},
        {"MathMode", replyOf(11, 1, {7}), [](ParameterReplies& t) { EXPECT_EQ(t.selection("math_mode_2"), 7); }},
        {"MathFactor", replyOf(12, 0, minusOne), [](ParameterReplies& t) { EXPECT_EQ(t.text("math_offset_1"), "-1,0000"); }},
        {"MathRegister", replyOf(25, 1, {11}), [](ParameterReplies& t) { EXPECT_EQ(t.selection("math_m_mode_2"), 11); }},
        {"TriggerMode ignores the index", replyOf(13, 7, {1}), [](ParameterReplies& t) { EXPECT_EQ(t.selection("trigger_mode"), 1); }},
        {"SendInterval", replyOf(14, 0, le32(250)), [](ParameterReplies& t) { EXPECT_EQ(t.text("trigger_time"), "250"); }},
        {"TriggerFilter", replyOf(15, 0, le32(0)), [](ParameterReplies& t) { EXPECT_EQ(t.text("trigger_filter"), "0"); }},
        {"MasterMode", replyOf(28, 0, {1}), [](ParameterReplies& t) { EXPECT_EQ(t.selection("trig_master_mode"), 1); }},
        {"MasterRegisterType index 1", replyOf(29, 1, {12}),
         [](ParameterReplies& t) { EXPECT_EQ(t.list("trig_master_type_2")->currentText(), "MATH [1]"); }},
        {"ModbusAddress 17", replyOf(23, 0, {17}), [](ParameterReplies& t) { EXPECT_EQ(t.list("mod_adr")->currentText(), "17"); }},
        {"ModbusBaudRate", replyOf(24, 0, {4}), [](ParameterReplies& t) { EXPECT_EQ(t.list("mod_br")->currentText(), "57600"); }},
        {"EthernetConfig", replyOf(32, 0, {0xC0, 0xA8, 0, 2, 0xFF, 0xFF, 0xFF, 0, 0xC0, 0xA8, 0, 1}),
         [](ParameterReplies& t) {
             EXPECT_EQ(t.box("MaskEdit_IP_Addr")->displayText(), "192.168.000.002");
             EXPECT_EQ(t.box("MaskEdit_IP_Mask")->displayText(), "255.255.255.000");
             EXPECT_EQ(t.box("MaskEdit_IP_Gate")->displayText(), "192.168.000.001");
             EXPECT_EQ(t.window().ethernetConfigBytes[3], 2);
         }},
        {"Temperature big-endian tenths", replyOf(31, 0, {0xFF, 0x38}),
         [](ParameterReplies& t) { EXPECT_EQ(t.window().TabSheet4->label_temperature->text(), "-20,0"); }},
        {"OutputRule of output 6", replyOf(16, 5, cat({{3, 1, 0, 2, 1}, twoAndHalf, minusOne})),
         [](ParameterReplies& t) {
             EXPECT_EQ(t.selection("out6_W"), 3);
             EXPECT_EQ(t.selection("out6_B"), 1);
             EXPECT_EQ(t.selection("out6_C"), 0);
             EXPECT_EQ(t.selection("out6_T"), 2);
             EXPECT_EQ(t.selection("out6_S"), 1);
             EXPECT_EQ(t.text("out6_N"), "2,5000");
             EXPECT_EQ(t.text("out6_M"), "-1,0000");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        receive(c.reply);
        c.check(*this);
    }
}

TEST_F(ParameterReplies, RepliesOutsideTheirIndexRangeAreIgnored)
{
    receive(replyOf(17, 4, Bytes(21, 7)));
    receive(replyOf(18, 2, Bytes(17, 7)));
    receive(replyOf(11, 2, {5}));
    receive(replyOf(12, 2, le32(0x40400000)));
    receive(replyOf(25, 9, {3}));
    receive(replyOf(29, 2, {5}));
    receive(replyOf(16, 6, Bytes(13, 1)));
    for (const char* name : {"adc_filter1_1", "adc_filter1_4", "enc_time_1", "enc_time_2", "math_offset_1",
                             "math_offset_2", "out1_N", "out6_N"})
        EXPECT_EQ(text(name), "") << name;
    for (const char* name : {"adc_mode_4", "math_mode_1", "math_mode_2", "math_m_mode_2", "trig_master_type_1",
                             "trig_master_type_2", "out6_W"})
        EXPECT_EQ(selection(name), 0) << name;
    EXPECT_TRUE(written().empty()); // no output-rule read chain either
    // Ids that are read only through 17/18, or never read: ignored.
    receive(replyOf(2, 0, le32(5)));
    receive(replyOf(20, 0, {}));
    EXPECT_EQ(text("adc_filter1_1"), "");
}

TEST_F(ParameterReplies, CodeOutsideTheListLeavesNoSelection)
{
    receive(replyOf(11, 0, {30}));
    EXPECT_EQ(selection("math_mode_1"), -1);
    click("button_mathmode1");
    EXPECT_EQ(writtenPayloads(2, 3), (std::vector<Bytes>{{11, 0, 255}}));

    receive(replyOf(23, 0, {0}));
    EXPECT_EQ(selection("mod_adr"), -1);
    receive(replyOf(23, 0, {248}));
    EXPECT_EQ(selection("mod_adr"), -1);
}

TEST_F(ParameterReplies, ReadButtonsRequestTheirParameter)
{
    const struct { const char* button; Bytes request; } cases[] = {
        {"BitBtn15", {17, 0}}, {"BitBtn21", {17, 1}}, {"BitBtn27", {17, 2}}, {"BitBtn33", {17, 3}},
        {"button_1", {18, 0}}, {"button_2", {18, 1}}, {"BitBtn47", {11, 0}}, {"BitBtn41", {11, 1}},
        {"BitBtn6", {25, 0}},  {"BitBtn8", {25, 1}},  {"BitBtn58", {12, 0}}, {"BitBtn57", {12, 1}},
        {"BitBtn54", {13, 0}}, {"BitBtn46", {14, 0}}, {"BitBtn56", {15, 0}}, {"BitBtn10", {28, 0}},
        {"BitBtn12", {29, 0}}, {"BitBtn14", {29, 1}}, {"BitBtn44", {16, 0}}, {"BitBtn2", {23, 0}},
        {"BitBtn4", {24, 0}},  {"Btn_IP_Read", {32, 0}}, {"BitBtn7", {27, 0}},
    };
    for (const auto& c : cases) {
        click(c.button);
        EXPECT_EQ(writtenPayloads(1, 2), std::vector<Bytes>{c.request}) << c.button;
    }
    window().DebugMemoClick();
    EXPECT_EQ(writtenPayloads(1, 2), std::vector<Bytes>{Bytes({30, 0})});
    window().Timer1Timer();
    EXPECT_EQ(writtenPayloads(1, 2), std::vector<Bytes>{Bytes({31, 0})});
    EXPECT_EQ(window().Timer1.interval(), 5000);
}

TEST_F(ParameterReplies, FirmwareVersionShowsItsCharactersThenAsksOnceForTheTemperature)
{
    receive(replyOf(27, 0, {'2', '.', '1', '3'}));
    EXPECT_EQ(window().TabSheet4->ver_firm->text(), "2.13");
    EXPECT_EQ(writtenPayloads(1, 2), std::vector<Bytes>{Bytes({31, 0})});
}

TEST_F(ParameterReplies, DiagnosticsFillFifteenLinesOnlyForIndexZero)
{
    Bytes record;
    for (std::uint32_t counter : {7u, 1u, 2u, 3u, 4u, 5u, 6u, 0xFFFFFFFFu, 247u}) // big-endian
        record.insert(record.end(), {Bytes::value_type(counter >> 24), Bytes::value_type(counter >> 16),
                                     Bytes::value_type(counter >> 8), Bytes::value_type(counter)});
    record.insert(record.end(), {0x00, 0xFD, 0xFF, 0x38, 0x01, 0x2C}); // 25,3  -20,0  30,0
    QPlainTextEdit* memo = find<QPlainTextEdit>("DebugMemo");
    memo->setPlainText("old");
    receive(replyOf(30, 1, record));
    EXPECT_EQ(memo->toPlainText(), "old");
    receive(replyOf(30, 0, record));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("=====MODBUS STAT=====\n"
                                                  "BC:  7\n"
                                                  "FRA: 1\n"
                                                  "FRC: 2\n"
                                                  "TC:  3\n"
                                                  "FE:  4\n"
                                                  "ORE: 5\n"
                                                  "NE:  6\n"
                                                  "PE:  -1\n"
                                                  "ID:  247\n"
                                                  "======TEMPERATURA======\n"
                                                  "T:   25,3\n"
                                                  "TMI: -20,0\n"
                                                  "TMX: 30,0\n"
                                                  "============OK========="));
    EXPECT_TRUE(memo->isHidden()); // start-up keeps it hidden
}
