// The six configuration sub-pages as designed: every control by its object
// name, the lists' items in code order with the first one selected, the
// empty boxes, the Polish captions; and their pictures for the docs.
#include "app/TFMain.h"
#include "app/pages/AnalogPage.h"
#include "app/pages/CommPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/EncoderPage.h"
#include "app/pages/MathPage.h"
#include "app/pages/OutputsPage.h"
#include "app/pages/TriggerPage.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace trv630::test;

namespace {

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

} // namespace

TEST(ConfigurationPages, ListsHoldTheirItemsInCodeOrder)
{
    WindowHarness h;
    const struct { const char* list; int count; int code; const char* text; } cases[] = {
        {"adc_mode_3", 2, 1, "0~20 mA"},
        {"enc_mode_1", 4, 3, "Pozycja/prędkość [mm][mm/min]"},
        {"math_mode_1", 25, 22, "M1  * (ACD3 + ADC4)"},
        {"math_mode_2", 25, 22, "M2 * (ACD3 + ADC4)"},
        {"math_mode_2", 25, 24, "M2"},
        {"math_m_mode_1", 12, 0, "Współczynnik m1"},
        {"math_m_mode_2", 12, 8, "m2 * (ENC + ENC2)"},
        {"math_m_mode_2", 12, 11, "ABS(VENC1 - VENC2)"},
        {"trigger_mode", 3, 2, "Transmisja pojedyńcza na zbocze narastające"},
        {"trig_master_mode", 2, 1, "Cykliczny zapis do rejestrów MODBUS"},
        {"trig_master_type_1", 14, 0, "ADC [1] "},
        {"trig_master_type_2", 14, 11, "ENKODER [2] (prędkość) "},
        {"out1_W", 16, 0, "Wyjście nieaktywne"},
        {"out4_W", 16, 15, "MATH [2]"},
        {"out2_B", 2, 1, "większa"},
        {"out5_C", 2, 0, "mniejsza"},
        {"out6_T", 3, 2, "iloczyn logiczny [or]"},
        {"out3_S", 2, 1, "Aktywne"},
        {"mod_adr", 247, 246, "247"},
        {"mod_br", 6, 3, "56000"},
    };
    for (const auto& c : cases) {
        const auto* list = h.window().findChild<QComboBox*>(c.list);
        ASSERT_NE(list, nullptr) << c.list;
        EXPECT_EQ(list->count(), c.count) << c.list;
        EXPECT_EQ(list->itemText(c.code), QString::fromUtf8(c.text)) << c.list;
        EXPECT_EQ(list->currentIndex(), 0) << c.list << ": the design selection is the first item";
        EXPECT_FALSE(list->isEditable()) << c.list;
    }
    EXPECT_EQ(itemsOf(h.window().findChild<QComboBox*>("out1_W")).mid(2),
              itemsOf(h.window().findChild<QComboBox*>("trig_master_type_1")));
}

TEST(ConfigurationPages, EveryNamedControlExistsAndBoxesStartEmpty)
{
    WindowHarness h;
    QStringList boxes;
    for (const char* pattern : {"adc_filter1_%1", "adc_filter2_%1", "adc_coeff_%1", "adc_offset_%1",
                                "adc_offset_2%1", "adc_unit_%1"})
        for (int n = 1; n <= 4; ++n)
            boxes << QString::fromLatin1(pattern).arg(n);
    for (const char* pattern : {"enc_time_%1", "enc_resolution_%1", "enc_coeff_%1", "enc_offset_%1", "enc_unit_%1",
                                "math_name_%1", "math_unit_%1", "math_offset_%1", "math_calib_%1"})
        for (int n = 1; n <= 2; ++n)
            boxes << QString::fromLatin1(pattern).arg(n);
    for (int n = 1; n <= 6; ++n)
        boxes << QStringLiteral("out%1_N").arg(n) << QStringLiteral("out%1_M").arg(n);
    boxes << "trigger_time" << "trigger_filter";
    for (const QString& name : boxes) {
        const auto* box = h.window().findChild<QLineEdit*>(name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        // Unit and name boxes are filled from config.ini at start-up.
        if (!name.contains("unit") && !name.contains("name")) {
            EXPECT_TRUE(box->text().isEmpty()) << name.toStdString();
        }
    }
    const char* buttons[] = {
        "button_adcmode4", "button_filter14", "button_filter24", "button_adccoeff4", "button_adcoffset4",
        "button_adcoffset24", "button_adcunit4", "BitBtn15", "BitBtn21", "BitBtn27", "BitBtn33", "button_1",
        "button_2", "button_encmode2", "button_time2", "button_resolution2", "button_enccoeff2",
        "button_encoffset2", "BitBtn11", "BitBtn13", "button_encclear1", "button_encclear2", "button_mathmode2",
        "BitBtn47", "BitBtn41", "BitBtn48", "BitBtn50", "BitBtn42", "BitBtn49", "button_mathmmode2", "BitBtn6",
        "BitBtn8", "button_mathoffset2", "BitBtn58", "BitBtn57", "button_calib1", "button_calib2", "BitBtn9",
        "BitBtn10", "BitBtn55", "BitBtn56", "BitBtn53", "BitBtn54", "BitBtn45", "BitBtn46",
        "button_trigmastetype_1", "BitBtn12", "button_trigmastetype_2", "BitBtn14", "BitBtn43", "BitBtn44",
        "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "Btn_IPSave", "Btn_IP_Read"};
    for (const char* name : buttons)
        EXPECT_NE(h.window().findChild<QPushButton*>(name), nullptr) << name;
    const auto* port = h.window().findChild<QLineEdit*>("Edit1");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->text(), "502");
    EXPECT_FALSE(port->isEnabled());
    // Controls reachable through the pages as members, as other code uses them.
    EXPECT_EQ(h.window().TabSheet3->TabSheet5->adc_unit_1->objectName(), "adc_unit_1");
    EXPECT_EQ(h.window().TabSheet3->TabSheet8->out6_S->objectName(), "out6_S");
}

TEST(ConfigurationPages, PolishCaptions)
{
    WindowHarness h;
    const struct { const char* name; const char* text; } labels[] = {
        {"Label35", "Filtr uśredniający [smp] "},
        {"Label75", "Wartość pomiaru ADC = (ADCx + Przesunięcie1) * Mnożnik + Przesuniecie2"},
        {"Label82", "Wartość pomiaru ENC = ENCx * Mnożnik + Przesuniecie"},
        {"Label48", "Rejestr M1...2"},
        {"Label59", "Czas pomiędzy wysyłaniem pomiarów [ms]"},
        {"Label57", "Stan wyjścia gdy warunki spełnione"},
        {"Label73", "T6"},
        {"Label23", "Prędkość "},
        {"Label86", "Adres IP VRT58"},
    };
    for (const auto& l : labels) {
        const auto* label = h.window().findChild<QLabel*>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text)) << l.name;
    }
    const struct { const char* name; const char* text; } buttons[] = {
        {"button_adcmode1", "Zapisz"}, {"BitBtn15", "Odczytaj"}, {"button_1", "Odczytaj parametry enkodera"},
        {"button_encclear2", "Zeruj pozycję"}, {"button_calib2", "Kalibracja M2"}, {"Btn_IP_Read", "Odczytaj"}};
    for (const auto& b : buttons)
        EXPECT_EQ(h.window().findChild<QPushButton*>(b.name)->text(), QString::fromUtf8(b.text)) << b.name;
}

// Pictures of the six sub-pages for docs/screenshots (run with
// TRV630_SCREENSHOT_DIR set to the directory to write them into).
TEST(ConfigurationPages, Screenshots)
{
    const QString dir = qEnvironmentVariable("TRV630_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "TRV630_SCREENSHOT_DIR not set";
    WindowHarness h;
    TFMain& w = h.window();
    w.show();
    w.PageControl1->setCurrentWidget(w.TabSheet3);
    const struct { QWidget* page; const char* file; } pages[] = {
        {w.TabSheet3->TabSheet5, "config-analog.png"},  {w.TabSheet3->TabSheet6, "config-encoder.png"},
        {w.TabSheet3->TabSheet7, "config-math.png"},    {w.TabSheet3->Wyzwalania, "config-trigger.png"},
        {w.TabSheet3->TabSheet8, "config-outputs.png"}, {w.TabSheet3->TabSheet2, "config-comm.png"},
    };
    QDir().mkpath(dir);
    for (const char* suffix : {"", "-en"}) {
        if (*suffix) { // the longer English texts must fit as well
            w.siLangCombo1->setCurrentIndex(1);
            w.siLangCombo1Change();
        }
        for (const auto& p : pages) {
            w.TabSheet3->PageControl2->setCurrentWidget(p.page);
            h.processEvents();
            const QString file = QString::fromLatin1(p.file).replace(".png", QString::fromLatin1(suffix) + ".png");
            EXPECT_TRUE(w.grab().save(QDir(dir).filePath(file)));
        }
    }
}
