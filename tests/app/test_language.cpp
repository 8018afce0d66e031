// The two-language interface: a switch to English and back on the real
// window, checked against the English texts of captions, lists, hints and
// the string table; what stays Polish; what a switch keeps.
#include "AppTestSupport.h"

#include "app/Language.h"
#include "app/Strings.h"
#include "app/pages/SettingsPage.h"
#include "app/pages/UpDownControl.h"
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

using trv630::Language;

struct Caption {
    const char* name;
    const char* polish;
    const char* english;
};

/// The shown text of a label, check box, button or group box.
QString captionOf(QWidget* window, const char* name)
{
    QObject* o = window->findChild<QObject*>(QLatin1String(name));
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    return QStringLiteral("<no control %1>").arg(QLatin1String(name));
}

const Caption captions[] = {
    {"Label1", "ADC 1", "ADC 1"},
    {"Label2", "ADC 2", "ADC2"},
    {"Label9", "ENKODER 1 (pozycja)", "ENCODER 1 (position)"},
    {"Label11", "ENKODER 1 (prędkość)", "ENKODER 1 (velocity)"},
    {"GroupBox3", "Wejścia analogowe", "Analog inputs"},
    {"GroupBox11", "Wyjścia tranzystorowe", "NPN outpust"},
    {"GroupBox6", "Wejścia analogowe - wskaźniki ", "Analog inputs - values"},
    {"Label35", "Filtr uśredniający [smp] ", "Averaging filter [smp]"},
    {"Label75", "Wartość pomiaru ADC = (ADCx + Przesunięcie1) * Mnożnik + Przesuniecie2",
     "ADC value = (ADCx + Offset1) * Coeff + Offset2"},
    {"button_1", "Odczytaj parametry enkodera", "Read the the encoder parameters"},
    {"Label82", "Wartość pomiaru ENC = ENCx * Mnożnik + Przesuniecie", "END value = ENCx * Coeff + Offset"},
    {"GroupBox7", "Funkcje matematyczne - konfiguracja", "Math Functions - Configuration"},
    {"button_calib2", "Kalibracja M2", "Calibration M2"},
    {"Label59", "Czas pomiędzy wysyłaniem pomiarów [ms]", "Time between send  measurements [ms]"},
    {"Label57", "Stan wyjścia gdy warunki spełnione", "Output state when conditions met"},
    {"Label70", "T3", "T3"},
    {"BitBtn43", "Zapisz", "Save"},
    {"BitBtn44", "Odczytaj", "Read"},
    {"GroupBox14", "Zapis do pliku", "Save To File"},
    {"save_time", "Rejestru do pliku:     godzinę [gg:mm:ss:milisekunda]",
     "Register to file:     time [hh: mm: ss: millisecond]"},
    {"save_adc4", "Rejestru do pliku:     wartość ADC 4 ", "Register to file:     value ADC 4"},
    {"save_adc1avg", "Rejestru do pliku:     wartość ADC 1 (uśredniona)",
     "Registry to file:     the value of ADC 1 (average)"},
    {"CheckBox1", "Połącz z urządzeniem przy starcie programu", "Connect the device at startup"},
    {"Label55", "Program PC:", "PC Program:"},
    {"Label56", "Firmware:", "Firmware:"},
    {"GroupBox18", "Temperatura układu", "Device temperature"},
    // Not translated.
    {"GroupBox20", "Wejścia trigger", "Wejścia trigger"},
    {"Label85", "IN1", "IN1"},
    {"GroupBox12", "Konfiguracja RS485 (MODBUS-RTU)", "Konfiguracja RS485 (MODBUS-RTU)"},
    {"GroupBox19", "Konfiguracja Ethernet (MODBUS -TCP/IP)", "Konfiguracja Ethernet (MODBUS -TCP/IP)"},
    {"Btn_IPSave", "Zapisz", "Zapisz"},
    {"Btn_ChartClear", "Wyczysc", "Wyczysc"},
    {"Btn_PrintChart", "Dukuj", "Dukuj"},
    {"Label90", "Szerokosc:", "Szerokosc:"},
};

struct ListItem {
    const char* list;
    int index;
    const char* polish;
    const char* english;
};

const ListItem listItems[] = {
    {"adc_mode_3", 1, "0~20 mA", "0~20 mA"},
    {"enc_mode_1", 0, "Pozycja/prędkość [obr][obr/s]", "Position/velocity [rev][rev/s]"},
    {"enc_mode_2", 3, "Pozycja/prędkość [mm][mm/min]", "Position/velocity [mm][mm/min]"},
    {"math_mode_1", 24, "M1", "M1"},
    {"math_mode_2", 22, "M2 * (ACD3 + ADC4)", "M2 * (ACD3 + ADC4)"},
    {"math_m_mode_1", 0, "Współczynnik m1", "Factor m1"},
    {"math_m_mode_1", 11, "ABS(VENC1 - VENC2)", "ABS(VENC1 - VENC2)"},
    {"math_m_mode_2", 11, "ABS(VENC1 - VENC2)", "ABS(VENC1 - VENC2)"},
    {"trigger_mode", 1, "Transmisja, gdy wejście 1 jest aktywne", "Transmission, when trigger 1 is active"},
    {"trig_master_mode", 0, "Wyzwalanie + zapis do rejestrów MODBUS", "Trigger + write to MODBUS registers"},
    {"trig_master_type_2", 8, "ENKODER [1] (pozycja) ", "ENKODER [1] (position) "},
    {"trig_master_type_2", 4, "ADC [1] (uśredniona)", "ADC [1] (average)"},
    {"out3_W", 0, "Wyjście nieaktywne", "Output inactive"},
    {"out3_W", 10, "ENKODER [1] (pozycja) ", "ENKODER [1] (position)"},
    {"out3_W", 13, "ENKODER [2] (prędkość) ", "ENKODER [2] (velocity) "},
    {"out6_B", 1, "większa", "larger"},
    {"out2_T", 2, "iloczyn logiczny [or]", "[or]"},
    {"out4_S", 0, "Nieaktywne", "Inactive"},
    {"DivBox", 3, "3", "3"},
    // Not translated.
    {"Cb_ChartTimeWindow", 5, "1 godź", "1 godź"},
    {"mod_br", 3, "56000", "56000"},
};

/// The sizes of every translated list, the same in both languages.
const std::pair<const char*, int> listSizes[] = {
    {"adc_mode_1", 2}, {"enc_mode_1", 4}, {"math_mode_1", 25}, {"math_mode_2", 25},
    {"math_m_mode_1", 12}, {"math_m_mode_2", 12}, {"trigger_mode", 3}, {"trig_master_mode", 2},
    {"trig_master_type_1", 14}, {"out1_W", 16}, {"out1_B", 2}, {"out1_T", 3}, {"out1_C", 2},
    {"out1_S", 2}, {"DivBox", 5},
};

class LanguageSwitch : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
    std::unique_ptr<TFMain> w = openWindow(dir.path());

    void choose(int position)
    {
        w->siLangCombo1->setCurrentIndex(position);
        w->siLangCombo1Change();
    }
    QComboBox* list(const char* name) { return control<QComboBox>(w.get(), name); }

    void expectTexts(bool english)
    {
        for (const auto& c : captions)
            EXPECT_EQ(captionOf(w.get(), c.name).toStdString(), english ? c.english : c.polish) << c.name;
        for (const auto& item : listItems) {
            QComboBox* l = list(item.list);
            ASSERT_NE(l, nullptr) << item.list;
            EXPECT_EQ(l->itemText(item.index).toStdString(), english ? item.english : item.polish)
                << item.list << " item " << item.index;
        }
        for (const auto& [name, size] : listSizes) {
            ASSERT_NE(list(name), nullptr) << name;
            EXPECT_EQ(list(name)->count(), size) << name;
        }
    }
};

TEST_F(LanguageSwitch, EnglishAndBack)
{
    expectTexts(false);
    const QString designMathTab = w->findChild<QTabWidget*>(QStringLiteral("PageControl2"))->tabText(2);
    EXPECT_EQ(designMathTab, QStringLiteral("Funkcje matematyczne"));

    choose(1);
    EXPECT_EQ(w->siLang1->active(), Language::English);
    expectTexts(true);
    auto* pages = w->PageControl1;
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Values"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Device configuration"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Program settings"));
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Wykresy"));
    auto* sub = w->findChild<QTabWidget*>(QStringLiteral("PageControl2"));
    const QStringList englishTabs{"Analog inputs", "Encoder inputs", "Mathematical Functions (for analog inputs)",
                                  "Trigger", "NPN outpust", "RS485 / Ethernet"};
    for (int i = 0; i < englishTabs.size(); ++i)
        EXPECT_EQ(sub->tabText(i), englishTabs[i]);
    // Hints stay Polish: no control has a translated hint.
    EXPECT_EQ(control<QWidget>(w.get(), "Btn_ChartClear")->toolTip(), QStringLiteral("Wyczyszczenie wykresu"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TRV630-PC [STANDARD] - 1.13"));

    // The string table follows the active language.
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_2), QStringLiteral("Updated parameter: ["));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_7), QStringLiteral("Connected"));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_10), QStringLiteral("Refresh the list of devices"));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_42), QStringLiteral("measure.csv"));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_320), QStringLiteral("Record: offline"));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_322), QStringLiteral("Record: offline"));

    choose(0);
    EXPECT_EQ(w->siLang1->active(), Language::Polish);
    expectTexts(false);
    EXPECT_EQ(sub->tabText(2), QStringLiteral("Funkcje matematyczne (dla wejść analogowych)"));
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Wskaźniki"));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_8), QStringLiteral("Rozłączony"));
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_322), QStringLiteral("Zapis: niektywny"));
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(LanguageSwitch, KeepsSelectionsAndTheStateCaptions)
{
    const std::pair<const char*, int> chosen[] = {
        {"adc_mode_2", 1},     {"enc_mode_2", 3},     {"math_mode_1", 24}, {"math_m_mode_2", 11},
        {"trigger_mode", 2},   {"trig_master_type_1", 13}, {"out1_W", 5},  {"out1_T", 2},
        {"DivBox", 4},
    };
    for (auto [name, index] : chosen) {
        list(name)->setCurrentIndex(index);
        emit list(name)->activated(index); // as the user's choice
    }
    ASSERT_TRUE(control<QWidget>(w.get(), "out1_M")->isEnabled());
    control<QLabel>(w.get(), "ver_firm")->setText(QStringLiteral("V2.07"));
    control<QLabel>(w.get(), "label_temperature")->setText(QStringLiteral("31.5 °C"));
    control<QLabel>(w.get(), "math_name01")->setText(QStringLiteral("[Moc]"));
    control<QLabel>(w.get(), "math_name22")->setText(QStringLiteral("[Różnica]"));
    w->TabSheet4->UpDown->setPosition(7);
    w->setPanelText(0, QStringLiteral("x"));
    w->setPanelText(1, QStringLiteral("Połączony"));
    w->setPanelText(2, QStringLiteral("1,0000 kHz"));

    for (int language : {1, 0}) {
        choose(language);
        for (auto [name, index] : chosen)
            EXPECT_EQ(list(name)->currentIndex(), index) << name << " after switch to " << language;
        // The output row with a measured source and a combination stays enabled.
        EXPECT_TRUE(control<QWidget>(w.get(), "out1_M")->isEnabled());
        EXPECT_EQ(control<QLabel>(w.get(), "ver_pc")->text(), QStringLiteral("1.13"));
        EXPECT_EQ(control<QLabel>(w.get(), "ver_firm")->text(), QStringLiteral("V2.07"));
        EXPECT_EQ(control<QLabel>(w.get(), "label_temperature")->text(), QStringLiteral("31.5 °C"));
        EXPECT_EQ(control<QLabel>(w.get(), "math_name01")->text(), QStringLiteral("[Moc]"));
        EXPECT_EQ(control<QLabel>(w.get(), "math_name22")->text(), QStringLiteral("[Różnica]"));
        // Panels 0 and 1 are emptied, the rate stays; ChartTime shows "1",
        // the up-down control keeps its position.
        EXPECT_EQ(w->panelText(0), QString());
        EXPECT_EQ(w->panelText(1), QString());
        EXPECT_EQ(w->panelText(2), QStringLiteral("1,0000 kHz"));
        EXPECT_EQ(w->TabSheet4->ChartTime->text(), QStringLiteral("1"));
        EXPECT_EQ(w->TabSheet4->UpDown->position(), 7);
    }
}

TEST_F(LanguageSwitch, LoggingStateTextsFollowTheLanguage)
{
    auto* saveLabel = control<QLabel>(w.get(), "save_label");
    ASSERT_NE(saveLabel, nullptr);
    choose(1);
    EXPECT_EQ(saveLabel->text(), QStringLiteral("Record: offline"));
    EXPECT_EQ(w->panelText(3), QStringLiteral("Record: offline"));

    w->loggingActive = true;
    w->showLoggingState();
    choose(0);
    EXPECT_EQ(saveLabel->text(), QStringLiteral("Zapis aktywny"));
    EXPECT_EQ(w->panelText(3), QStringLiteral("Zapis: aktywny"));
    choose(1);
    EXPECT_EQ(saveLabel->text(), QStringLiteral("Record: online"));
    EXPECT_EQ(w->panelText(3), QStringLiteral("Record: online"));
}

TEST_F(LanguageSwitch, ShownWindowIsInTheNewLanguageWhenTheHandlerReturns)
{
    w->show();
    choose(1);
    EXPECT_EQ(w->PageControl1->tabText(0), QStringLiteral("Values"));
    EXPECT_EQ(w->findChild<QTabWidget*>(QStringLiteral("PageControl2"))->tabText(4), QStringLiteral("NPN outpust"));
    EXPECT_EQ(w->panelText(3), QStringLiteral("Record: offline"));
    choose(0);
    EXPECT_EQ(w->PageControl1->tabText(0), QStringLiteral("Wskaźniki"));
    EXPECT_EQ(w->panelText(3), QStringLiteral("Zapis: niektywny"));
}

TEST_F(LanguageSwitch, SameLanguageAgainOnlyEmptiesPanelsZeroAndOne)
{
    w->TabSheet4->UpDown->setPosition(9);
    w->setPanelText(0, QStringLiteral("a"));
    w->setPanelText(1, QStringLiteral("b"));
    choose(0);
    EXPECT_EQ(w->panelText(0), QString());
    EXPECT_EQ(w->panelText(1), QString());
    EXPECT_EQ(w->TabSheet4->ChartTime->text(), QStringLiteral("9"));
    EXPECT_EQ(w->findChild<QTabWidget*>(QStringLiteral("PageControl2"))->tabText(2),
              QStringLiteral("Funkcje matematyczne"));
}

TEST_F(LanguageSwitch, SwitchIsNotStoredAndTheNextStartUsesTheStoredLanguage)
{
    choose(1);
    ASSERT_TRUE(w->close());
    w.reset();
    EXPECT_EQ(trv630::IniFile(dir.filePath(QStringLiteral("config.ini")))
                  .readInteger(trv630::settings::Options, trv630::settings::Language, -1),
              0);
    w = openWindow(dir.path());
    EXPECT_EQ(w->siLang1->active(), Language::Polish);
    EXPECT_EQ(w->PageControl1->tabText(0), QStringLiteral("Wskaźniki"));
}

TEST(LanguageStartup, StoredEnglishAppliesBeforeTheLoggingTexts)
{
    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
    // FileName missing: its default is taken while the interface is still Polish.
    writeFile(dir.filePath(QStringLiteral("config.ini")), "[Options]\nLanguage=1\n");
    auto w = openWindow(dir.path());
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(w->siLangCombo1->currentIndex(), 1);
    EXPECT_EQ(w->PageControl1->tabText(0), QStringLiteral("Values"));
    EXPECT_EQ(w->TabSheet4->file_name_edit->text(), QStringLiteral("pomiary.csv"));
    EXPECT_EQ(w->panelText(3), QStringLiteral("Record: offline"));
    EXPECT_EQ(control<QLabel>(w.get(), "save_label")->text(), QStringLiteral("Record: offline"));
    EXPECT_EQ(w->TabSheet4->ver_pc->text(), QStringLiteral("1.13"));
    w.reset();
    // The translator goes with the window.
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_7), QStringLiteral("Połączony"));
}

TEST(LanguageComponent, InvalidNumberIsRefusedAndChangesNothing)
{
    Language language;
    try {
        language.setActive(0);
        FAIL() << "no error";
    } catch (const trv630::Error& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("TFMain: 0 - is not a valid property value!\rValue must be within [1..2]!"));
    }
    EXPECT_THROW(language.setActive(3), trv630::Error);
    EXPECT_EQ(language.active(), Language::Polish);
    language.setActive(Language::English);
    EXPECT_EQ(trv630::lookupString(trv630::StringId::IDS_317), QStringLiteral("Record: online"));
    EXPECT_THROW(language.setActive(-1), trv630::Error);
    EXPECT_EQ(language.active(), Language::English);
}

TEST(LanguageComponent, TwoDifferentFlagsOfOurOwn)
{
    EXPECT_EQ(Language::name(0), QStringLiteral("Polski"));
    EXPECT_EQ(Language::name(1), QStringLiteral("English"));
    const QImage polish = Language::flag(0).pixmap(QSize(20, 12)).toImage();
    const QImage union_ = Language::flag(1).pixmap(QSize(20, 12)).toImage();
    ASSERT_FALSE(polish.isNull());
    ASSERT_FALSE(union_.isNull());
    EXPECT_NE(polish, union_);
    // White over red.
    EXPECT_EQ(polish.pixelColor(10, 3), QColor(Qt::white));
    EXPECT_EQ(polish.pixelColor(10, 9), QColor(0xdc, 0x14, 0x3c));
}

} // namespace
