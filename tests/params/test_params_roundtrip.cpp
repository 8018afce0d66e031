// Without hardware: what the user saves on a page comes back from the
// simulated module on the next read, and its output rules switch its outputs.
#include "app/TFMain.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace trv630::test;

namespace {

template <typename T>
T* named(TFMain& w, const char* name)
{
    return w.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

TEST(ParameterRoundTrip, SavedValuesComeBackOnTheNextRead)
{
    WindowHarness h;
    TFMain& w = h.window();
    named<QLineEdit>(w, "adc_filter1_3")->setText("800");
    named<QPushButton>(w, "button_filter13")->click();
    named<QComboBox>(w, "adc_mode_3")->setCurrentIndex(1);
    named<QPushButton>(w, "button_adcmode3")->click();
    named<QLineEdit>(w, "enc_resolution_2")->setText("2048");
    named<QPushButton>(w, "button_resolution2")->click();
    named<QComboBox>(w, "math_m_mode_1")->setCurrentIndex(6);
    named<QPushButton>(w, "button_mathmmode1")->click();
    h.processEvents();

    named<QLineEdit>(w, "adc_filter1_3")->clear();
    named<QComboBox>(w, "adc_mode_3")->setCurrentIndex(0);
    named<QLineEdit>(w, "enc_resolution_2")->clear();
    named<QComboBox>(w, "math_m_mode_1")->setCurrentIndex(0);
    named<QPushButton>(w, "BitBtn27")->click();
    named<QPushButton>(w, "button_2")->click();
    named<QPushButton>(w, "BitBtn6")->click();
    ASSERT_TRUE(h.waitUntil([&] { return !named<QLineEdit>(w, "enc_resolution_2")->text().isEmpty(); }));
    h.processEvents();
    EXPECT_EQ(named<QLineEdit>(w, "adc_filter1_3")->text(), "700");
    EXPECT_EQ(named<QComboBox>(w, "adc_mode_3")->currentIndex(), 1);
    EXPECT_EQ(named<QLineEdit>(w, "enc_resolution_2")->text(), "2048");
    EXPECT_EQ(named<QComboBox>(w, "math_m_mode_1")->currentIndex(), 6);
}

TEST(ParameterRoundTrip, OutputRulesSwitchTheModulesOutputs)
{
    WindowHarness::Options options;
    options.streaming = true;
    WindowHarness h(options);
    TFMain& w = h.window();
    // T2 always on; T5 on while encoder 1 turns forwards (velocity > 0).
    auto choose = [&](const char* name, int index) {
        auto* list = named<QComboBox>(w, name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    choose("out2_W", 1);
    choose("out5_W", 12);
    named<QComboBox>(w, "out5_B")->setCurrentIndex(1);
    named<QLineEdit>(w, "out5_N")->setText("0");
    named<QComboBox>(w, "out5_S")->setCurrentIndex(1);
    named<QPushButton>(w, "BitBtn43")->click();
    ASSERT_TRUE(h.waitUntil([&] { return w.panelText(0).endsWith("16][5]"); }));
    ASSERT_TRUE(h.waitUntil([&] { return (w.frame.statusBitsA & 0x12) == 0x12; }))
        << "status bits " << int(w.frame.statusBitsA);

    // Read back into cleared rows: the chain fills all six and enables them.
    choose("out5_W", 0);
    named<QLineEdit>(w, "out5_N")->clear();
    named<QPushButton>(w, "BitBtn44")->click();
    ASSERT_TRUE(h.waitUntil([&] { return named<QComboBox>(w, "out5_W")->currentIndex() == 12; }));
    h.processEvents();
    EXPECT_TRUE(named<QLineEdit>(w, "out5_N")->text().startsWith("0"));
    EXPECT_TRUE(named<QComboBox>(w, "out5_B")->isEnabled());
    EXPECT_EQ(named<QComboBox>(w, "out5_S")->currentIndex(), 1);
}
