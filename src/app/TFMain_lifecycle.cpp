// Start-up (FormCreate), shutdown (FormClose) and the language switch of the
// main window. Each area adds its own steps as functions of its own and calls
// them here, in the order of the steps; the step numbers in the comments are
// the order of start-up and shutdown and must stay as they are.
#include "app/TFMain.h"

#include "app/Errors.h"
#include "app/Language.h"
#include "app/WindowPlacement.h"
#include "app/pages/AnalogPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/EncoderPage.h"
#include "app/pages/MathPage.h"
#include "app/pages/OutputsPage.h"
#include "app/pages/TriggerPage.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/SettingsPage.h"
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace {

const char* const programVersion = "1.13";
const char* const windowCaption = "TRV630-PC [STANDARD] - 1.13";

} // namespace

void TFMain::FormCreate()
{
    namespace settings = trv630::settings;

    // 1. The diagnostics memo stays hidden.
    hideDebugMemo();

    // 2. The language drop-down goes into the status bar.
    placeLanguageCombo();

    // 3. ControlTable: the per-channel controls of the shared handlers.
    fillControlTable();

    // 4. The first page of each page control, whatever was left open.
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet3->PageControl2->setCurrentIndex(0); // TabSheet5

    // 5. Caption.
    setWindowTitle(QString::fromLatin1(windowCaption));

    // 6. Where config.ini lives.
    settingsPath = settings::settingsPath(options_.settingsDir);

    // 7. First run: create the file with every first-run value.
    trv630::IniFile ini(settingsPath);
    if (!ini.exists())
        settings::writeFirstRunFile(ini);

    // 8. Open the settings file for reading (read once, for every step below).
    ini.open();
    // 8. - 10. Math names, units.
    loadUnitSettings(ini);
    // 11. Record-field boxes and save_auto.
    loadRecordFieldSettings(ini);
    // 12. countMod.
    loadCountMod(ini);

    // 13. Window position (outer top-left corner).
    moveToStoredPosition(ini.readInteger(settings::Options, settings::ScreenTop, settings::defaultScreenTop),
                         ini.readInteger(settings::Options, settings::ScreenLeft, settings::defaultScreenLeft));

    // 14. Decimals (DivBox).
    selectStoredPoint(ini);
    // 15. Measurement file name.
    loadLogFileName(ini);
    // 16. - 20. Chart window, title and series boxes.
    loadChartSettings(ini);
    // 21. Automatic logging.
    loadLoggingActive(ini);

    // 22. Interface language. A stored number outside the list starts in
    // Polish: it would otherwise leave the list without a selection, and
    // asking for "no language" would abort the rest of the start-up.
    const int language = ini.readInteger(settings::Options, settings::Language, settings::defaultLanguage);
    siLangCombo1->setCurrentIndex(language >= 0 && language < trv630::Language::count ? language : 0);
    siLangCombo1Change();

    // 23. Close the settings file.
    ini.close();

    // 24. Logging state texts, in the language now in force.
    showLoggingState();

    // 25. Program version.
    TabSheet4->ver_pc->setText(QString::fromLatin1(programVersion));

    // 26. Ethernet address boxes: empty, with their mask.
    resetEthernetBoxes();
}

bool TFMain::FormClose()
{
    namespace settings = trv630::settings;

    // 1. Open the settings file: the writes below go to the file in one
    // piece at step 6, where a refused write throws and abandons the close.
    trv630::IniFile ini(settingsPath);
    ini.open();

    // 2. Window position and decimals.
    ini.writeInteger(settings::Options, settings::ScreenTop, y());
    ini.writeInteger(settings::Options, settings::ScreenLeft, x());
    ini.writeInteger(settings::Options, settings::Point, TabSheet4->DivBox->currentIndex());

    // 3. save_auto and the record-field boxes.
    storeLogSettings(ini);
    // 4. - 5. Chart window, title and series boxes.
    storeChartSettings(ini);

    // 6. Close the settings file (writes it).
    ini.close();

    // 7. The measurement file.
    closeLogFile();
    return true;
}

void TFMain::placeLanguageCombo()
{
    // A child of the status bar, 2 pixels below its top, its left edge 115
    // pixels left of the bar's right end: it covers panel 3. It follows the
    // right end when the window is resized (see resizeEvent).
    siLangCombo1->setParent(StatusBar);
    siLangCombo1->move(StatusBar->width() - 115, 2);
    siLangCombo1->show();
    siLangCombo1->raise();
}

void TFMain::moveToStoredPosition(int top, int left)
{
    // The outer size before the window is first shown is not known yet;
    // the client size plus a usual frame stands in for it.
    const QSize outer = isVisible() ? frameGeometry().size() : size() + QSize(8, 31);
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    move(trv630::placeOnScreen(QPoint(left, top), outer, screens));
}

void TFMain::siLangCombo1Change()
{
    // Throws for a position outside the list (no language selected).
    siLang1->setActive(siLangCombo1->currentIndex() + 1);
    // Qt posts the LanguageChange that makes every page set its texts again
    // (to the window, or to its native window once shown); deliver it now,
    // so that whatever runs next writes into pages that are already in the
    // new language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    setPanelText(1, QString());
    setPanelText(0, QString());
}

// ---- run-time captions across a language switch ------------------------------
//
// Some captions show the program's state rather than a design text: the
// program and firmware versions, the temperature, the six math-name labels,
// the logging state. A page's retranslate() sets only design texts; the
// state captions are put back after it:
//  - captions that read the same in both languages are kept as they were,
//    by object name (runtimeCaptionNames below; add a label's name to keep it);
//  - captions whose text depends on the language are written again by their
//    own area's code, called from reapplyRuntimeCaptions().

namespace {
const char* const runtimeCaptionNames[] = {
    "ver_pc",      "ver_firm",    "label_temperature", "math_name01", "math_name02",
    "math_name11", "math_name12", "math_name21",       "math_name22",
};
} // namespace

void TFMain::retranslateUi()
{
    QList<std::pair<QLabel*, QString>> captions;
    for (const char* name : runtimeCaptionNames)
        if (auto* label = findChild<QLabel*>(QLatin1String(name)))
            captions.append({label, label->text()});
    // Every drop-down list keeps its selection; items are replaced in place.
    QList<std::pair<QComboBox*, int>> selections;
    for (QComboBox* list : findChildren<QComboBox*>())
        if (list != siLangCombo1)
            selections.append({list, list->currentIndex()});

    PageControl1->setTabText(PageControl1->indexOf(TabSheet1), tr("Wskaźniki"));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet3), tr("Konfiguracja urządzenia"));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet4), tr("Ustawienia programu"));
    TabSheet1->retranslate();
    TabSheet3->retranslate();
    TabSheet3->TabSheet5->retranslate();
    TabSheet3->TabSheet6->retranslate();
    TabSheet3->TabSheet7->retranslate();
    TabSheet3->Wyzwalania->retranslate();
    TabSheet3->TabSheet8->retranslate();
    TabSheet4->retranslate();
    // The math page's tab reads "Funkcje matematyczne" until the first
    // switch; from then on it carries the longer text in both languages.
    TabSheet3->PageControl2->setTabText(TabSheet3->PageControl2->indexOf(TabSheet3->TabSheet7),
                                        tr("Funkcje matematyczne (dla wejść analogowych)"));
    // A switch shows "1" in ChartTime; its up-down control keeps its position.
    TabSheet4->ChartTime->setText(QStringLiteral("1"));

    for (const auto& [list, index] : selections)
        if (list->currentIndex() != index && index < list->count())
            list->setCurrentIndex(index);
    for (const auto& [label, text] : captions)
        label->setText(text);
    reapplyRuntimeCaptions();
}

void TFMain::reapplyRuntimeCaptions()
{
    // save_label and status-bar panel 3 in the active language.
    showLoggingState();
}
