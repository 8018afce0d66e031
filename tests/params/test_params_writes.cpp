// "Zapisz" on every configuration page: what the user types or chooses, the
// exact write request that leaves, and how a rejected or clamped entry shows.
#include "ParamsWindowFixture.h"

#include "app/Colours.h"
#include "app/ParameterInput.h"
#include "protocol/Parameters.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <set>

using namespace trv630;
using namespace trv630::test;

namespace {

struct WriteCase {
    const char* what;
    std::function<void(ParamsWindow&)> enter;
    const char* button;
    Bytes payload;
};

} // namespace

class ParameterWrites : public ParamsWindow {
public:
    void typeInto(const char* name, const char* text) { type(name, QString::fromUtf8(text)); }
    void select(const char* name, int index) { list(name)->setCurrentIndex(index); }
};

TEST_F(ParameterWrites, EveryWritableParameterSendsItsExactPayload)
{
    using P = ParameterWrites;
    auto typed = [](const char* box, const char* text) {
        return [=](ParamsWindow& w) { static_cast<P&>(w).typeInto(box, text); };
    };
    auto selected = [](const char* l, int index) {
        return [=](ParamsWindow& w) { static_cast<P&>(w).select(l, index); };
    };
    const auto nothing = [](ParamsWindow&) {};
    const WriteCase cases[] = {
        {"AdcMode ADC 2", selected("adc_mode_2", 1), "button_adcmode2", {1, 1, 1}},
        {"AdcContinuousFilter clamped", typed("adc_filter1_3", "800"), "button_filter13", {2, 2, 0xBC, 0x02, 0, 0}},
        {"AdcAveragingFilter raised", typed("adc_filter2_1", "-5"), "button_filter21", {3, 0, 1, 0, 0, 0}},
        {"AdcCoeff comma", typed("adc_coeff_4", "1,5"), "button_adccoeff4", {4, 3, 0, 0, 0xC0, 0x3F}},
        {"AdcOffset1", typed("adc_offset_1", "-2"), "button_adcoffset1", {5, 0, 0, 0, 0, 0xC0}},
        {"AdcOffset2", typed("adc_offset_24", "0,25"), "button_adcoffset24", {26, 3, 0, 0, 0x80, 0x3E}},
        {"EncMode encoder 2", selected("enc_mode_2", 3), "button_encmode2", {6, 1, 3}},
        {"EncGateTime", typed("enc_time_1", "250"), "button_time1", {7, 0, 0xFA, 0, 0, 0}},
        {"EncResolution raised", typed("enc_resolution_1", "0"), "button_resolution1", {8, 0, 1, 0, 0, 0}},
        {"EncCoeff", typed("enc_coeff_2", "2"), "button_enccoeff2", {9, 1, 0, 0, 0, 0x40}},
        {"EncOffset", typed("enc_offset_1", "-1"), "button_encoffset1", {10, 0, 0, 0, 0x80, 0xBF}},
        {"EncClearPosition", nothing, "button_encclear2", {20, 1}},
        {"MathMode last code", selected("math_mode_1", 24), "button_mathmode1", {11, 0, 24}},
        {"MathRegister", selected("math_m_mode_2", 11), "button_mathmmode2", {25, 1, 11}},
        {"MathFactor", typed("math_offset_2", "3"), "button_mathoffset2", {12, 1, 0, 0, 0x40, 0x40}},
        {"MathCalibrate", typed("math_calib_1", "10"), "button_calib1", {21, 0, 0, 0, 0x20, 0x41}},
        {"TriggerMode", selected("trigger_mode", 2), "BitBtn53", {13, 0, 2}},
        {"SendInterval raised", typed("trigger_time", "0"), "BitBtn45", {14, 0, 1, 0, 0, 0}},
        {"TriggerFilter raised", typed("trigger_filter", "-3"), "BitBtn55", {15, 0, 0, 0, 0, 0}},
        {"MasterMode", selected("trig_master_mode", 1), "BitBtn9", {28, 0, 1}},
        {"MasterRegisterType 2", selected("trig_master_type_2", 12), "button_trigmastetype_2", {29, 1, 12}},
        {"ModbusAddress is position + 1", selected("mod_adr", 246), "BitBtn1", {23, 0, 247}},
        {"ModbusBaudRate", selected("mod_br", 5), "BitBtn3", {24, 0, 5}},
        {"EthernetConfig without index",
         [](ParamsWindow& w) {
             auto& p = static_cast<P&>(w);
             p.typeInto("MaskEdit_IP_Addr", "192168000002"); // the mask adds the points
             p.typeInto("MaskEdit_IP_Mask", "255255255000");
             p.typeInto("MaskEdit_IP_Gate", "192168000001");
         },
         "Btn_IPSave", {32, 0xC0, 0xA8, 0, 2, 0xFF, 0xFF, 0xFF, 0, 0xC0, 0xA8, 0, 1}},
    };
    std::set<int> covered;
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.enter(*this);
        click(c.button);
        const auto payloads = writtenPayloads(2, c.payload.size());
        ASSERT_EQ(payloads.size(), 1u);
        EXPECT_EQ(payloads[0], c.payload);
        covered.insert(c.payload[0]);
    }
    // Every writable id of the catalogue has its row (OutputRule: the chain test).
    for (const ParameterInfo& p : parameterCatalogue) {
        if (p.writable && p.id != ParameterId::OutputRule) {
            EXPECT_TRUE(covered.count(toByte(p.id))) << p.name;
        }
    }
}

TEST_F(ParameterWrites, ClampedNumberIsWrittenBackOnLightGreen)
{
    typeInto("adc_filter1_3", "800");
    click("button_filter13");
    EXPECT_EQ(box("adc_filter1_3")->text(), QStringLiteral("700"));
    EXPECT_EQ(background(box("adc_filter1_3")), fromWindowsColour(0xC0DCC0));
    typeInto("enc_resolution_1", "0");
    click("button_resolution1");
    EXPECT_EQ(box("enc_resolution_1")->text(), QStringLiteral("1"));
    EXPECT_EQ(background(box("enc_resolution_1")), fromWindowsColour(clampedColour));
    typeInto("trigger_filter", "-3");
    click("BitBtn55");
    EXPECT_EQ(box("trigger_filter")->text(), QStringLiteral("0"));
    EXPECT_EQ(background(box("trigger_filter")), fromWindowsColour(clampedColour));
    written();

    // A number in range keeps its text and the standard colour.
    typeInto("adc_filter1_2", "700");
    click("button_filter12");
    EXPECT_EQ(box("adc_filter1_2")->text(), QStringLiteral("700"));
    EXPECT_EQ(background(box("adc_filter1_2")), QApplication::palette(box("adc_filter1_2")).color(QPalette::Base));
}

TEST_F(ParameterWrites, TextThatIsNoNumberTurnsLightRedAndSendsNothing)
{
    const struct { const char* box; const char* text; const char* button; } cases[] = {
        {"enc_time_2", "12a", "button_time2"},
        {"adc_filter1_1", "", "button_filter11"},
        {"adc_filter2_2", "99999999999", "button_filter22"}, // beyond 32 bits
        {"adc_coeff_1", "1.5", "button_adccoeff1"},          // a point under a comma locale
        {"math_offset_1", "1e39", "button_mathoffset1"},     // beyond single precision
        {"trigger_time", "x", "BitBtn45"},
        {"math_calib_2", "--1", "button_calib2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        typeInto(c.box, c.text);
        click(c.button);
        EXPECT_TRUE(written().empty());
        EXPECT_EQ(background(box(c.box)), fromWindowsColour(0x667CFD));
        // Any edit restores the standard colour.
        QTest::keyClicks(box(c.box), "1");
        EXPECT_EQ(background(box(c.box)), QApplication::palette(box(c.box)).color(QPalette::Base));
    }
}

TEST_F(ParameterWrites, ClickOnARejectedBoxRestoresItsColour)
{
    typeInto("enc_time_2", "12a");
    click("button_time2");
    ASSERT_EQ(background(box("enc_time_2")), fromWindowsColour(badInputColour));
    QTest::mouseClick(box("enc_time_2"), Qt::LeftButton);
    EXPECT_EQ(background(box("enc_time_2")), QApplication::palette(box("enc_time_2")).color(QPalette::Base));
}

TEST_F(ParameterWrites, FloatUsesTheRegionalSeparator)
{
    QLocale::setDefault(QLocale::c());
    typeInto("adc_coeff_4", "1.5");
    click("button_adccoeff4");
    EXPECT_EQ(writtenPayloads(2, 6), (std::vector<Bytes>{{4, 3, 0, 0, 0xC0, 0x3F}}));
    typeInto("adc_coeff_4", "1,5");
    click("button_adccoeff4");
    EXPECT_TRUE(written().empty());
    // Single precision: 0.1 is sent as its nearest float, 0x3DCCCCCD.
    typeInto("adc_coeff_1", "0.1");
    click("button_adccoeff1");
    EXPECT_EQ(writtenPayloads(2, 6), (std::vector<Bytes>{{4, 0, 0xCD, 0xCC, 0xCC, 0x3D}}));
}

TEST_F(ParameterWrites, ChannelComesFromTheLastCharacterOfTheButtonName)
{
    const struct { const char* name; int index; } cases[] = {
        {"button_filter23", 2}, {"button_adcoffset21", 0}, {"button_encclear2", 1}, {"button_adcmode4", 3}};
    for (const auto& c : cases)
        EXPECT_EQ(TFMain::channelIndexOf(find<QPushButton>(c.name)), c.index) << c.name;
    QObject unnamed;
    EXPECT_EQ(TFMain::channelIndexOf(&unnamed), -1);
}

TEST_F(ParameterWrites, NothingIsSentWhileDisconnectedButBoxesAreStillMarked)
{
    window().connected = false;
    typeInto("adc_filter1_3", "800");
    click("button_filter13");
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(box("adc_filter1_3")->text(), QStringLiteral("700"));
    EXPECT_EQ(background(box("adc_filter1_3")), fromWindowsColour(clampedColour));
}
