// The main window FMain: owns every control, the five timers, the HID link
// and all state of the program. Its handlers keep the design names and stay
// thin: the work is done by the window-free components they call.
//
// Everything here runs on the GUI thread; the HID link hands input reports
// over to it one at a time, so no member is locked.
#pragma once

#include "app/ControlTable.h"
#include "link/HidLink.h"
#include "protocol/MeasurementFrame.h"
#include "protocol/OutputRule.h"
#include "chart/ChartFeed.h"
#include "log/LocalClock.h"
#include "log/LogWriter.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <memory>
#include <span>
#include <vector>

class QComboBox;
class QLineEdit;
class QPrinter;
class QLabel;
class QStatusBar;
class QTabWidget;

class IndicatorPage;
class DeviceConfigPage;
class SettingsPage;
class ChartPage;

namespace trv630 { class IniFile; class Language; }

class TFMain : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        /// Directory of config.ini; empty: beside the executable (or the
        /// per-user configuration directory when that is not writable).
        QString settingsDir;
    };

    /// Builds the window from its design, then runs FormCreate. The link
    /// is started (first device change) once the event loop runs.
    explicit TFMain(std::unique_ptr<trv630::HidLink> link, Options options = {},
                    QWidget* parent = nullptr);
    ~TFMain() override;

    // ---- pages -------------------------------------------------------------
    QTabWidget* PageControl1 = nullptr;
    IndicatorPage* TabSheet1 = nullptr;
    DeviceConfigPage* TabSheet3 = nullptr;
    SettingsPage* TabSheet4 = nullptr;
    ChartPage* TabSheet9 = nullptr;

    // ---- status bar ----------------------------------------------------------
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 4> statusPanels{};
    QComboBox* siLangCombo1 = nullptr;
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

    // ---- timers (all enabled from creation to destruction) -------------------
    QTimer UpdateDataTimer; // 100 ms
    QTimer ChartTimer;      // 100 ms
    QTimer FreqTimer;       // 333 ms
    QTimer SaveFileTimer;   // 1000 ms
    QTimer Timer1;          // 5000 ms

    // ---- start-up, shutdown, language ----------------------------------------
    QString settingsPath;
    void FormCreate();
    /// Returns false when the close must be abandoned (the error was shown).
    bool FormClose();
    void siLangCombo1Change();
    std::unique_ptr<trv630::Language> siLang1; ///< the interface language
    void placeLanguageCombo();                  ///< FormCreate step 2
    void moveToStoredPosition(int top, int left); ///< FormCreate step 13
    /// Sets every page's texts in the active language (on LanguageChange),
    /// keeping list selections and the captions that show run-time state.
    void retranslateUi();
    /// Writes again the run-time captions whose text depends on the
    /// language (save_label, panel 3, ...); called after every retranslateUi.
    void reapplyRuntimeCaptions();

    // ---- device link, report framing and dispatch ----------------------------
    std::unique_ptr<trv630::HidLink> JvHidDeviceController1;
    trv630::HidDevice* currentDevice = nullptr;
    bool connected = false;
    std::uint32_t reportCount = 0;
    std::uint32_t measurementCount = 0;
    std::array<std::uint8_t, 128> receiveBuffer{};
    trv630::MeasurementFrame frame;
    qint64 reportArrivalMs = 0; ///< arrival stamp of the report being handled

    void JvHidDeviceController1DeviceChange();
    bool JvHidDeviceController1Enumerate(const trv630::HidDeviceInfo& device, int index);
    void FreqTimerTimer();
    /// Output-rule staging for the six-part write (filled by the outputs
    /// page, sent one part per acknowledgement).
    trv630::OutputRuleTable outputRuleTable{};

    void onInputReport(const trv630::InputReport& report);
    void sendReport(std::uint8_t opcode, std::span<const std::uint8_t> payload);
    void requestParameter(std::uint8_t id, std::uint8_t index);
    /// Releases the device objects of ListBox1 and clears it (the device
    /// change does this first; the destructor before the link goes).
    void releaseDeviceList();

    // ---- device parameters ---------------------------------------------------
    // (TFMain_params.cpp: writes and event bindings; TFMain_params_replies.cpp:
    // reply handling.) The module's configuration lives only in the controls;
    // outputRuleTable and ethernetConfigBytes are the two staging members.
    trv630::ControlTable controlTable;
    std::array<std::uint8_t, 12> ethernetConfigBytes{}; ///< address, mask, gateway
    void connectParameterControls(); ///< binds the handlers of the configuration pages
    void fillControlTable();         ///< FormCreate step 3
    void hideDebugMemo();            ///< FormCreate step 1
    void resetEthernetBoxes();       ///< FormCreate step 26: empty, with the address mask

    /// Channel of a shared handler's button: the last character of its object
    /// name as a digit, minus 1 ("button_filter23" -> 2); -1 when not a digit.
    static int channelIndexOf(const QObject* button);
    void writeChoiceParameter(std::uint8_t id, std::span<QComboBox* const> lists, const QObject* button);
    void writeIntParameter(std::uint8_t id, std::int32_t minimum, std::int32_t maximum,
                           std::span<QLineEdit* const> boxes, const QObject* button);
    void writeFloatParameter(std::uint8_t id, std::span<QLineEdit* const> boxes, const QObject* button);
    /// Restores the standard background of the box that changed or was clicked.
    void adc_filter1_1Change(QObject* Sender);

    // "Zapisz": analog, encoder, math (one handler per row; the channel comes from the button)
    void button_adcmode1Click(QObject* Sender);
    void button_filter11Click(QObject* Sender);
    void button_filter21Click(QObject* Sender);
    void button_adccoeffClick(QObject* Sender);
    void button_adcoffset1Click(QObject* Sender);
    void button_adcoffset21Click(QObject* Sender);
    void button_encmode1Click(QObject* Sender);
    void button_time1Click(QObject* Sender);
    void button_resolution1Click(QObject* Sender);
    void button_enccoeff1Click(QObject* Sender);
    void button_encoffset1Click(QObject* Sender);
    void button_encclear1Click(QObject* Sender);
    void button_mathmode1Click(QObject* Sender);
    void button_mathmmode1Click(QObject* Sender);
    void button_mathoffset1Click(QObject* Sender);
    void button_calib1Click(QObject* Sender);
    // "Odczytaj": analog, encoder, math
    void BitBtn15Click();
    void BitBtn21Click();
    void BitBtn27Click();
    void BitBtn33Click();
    void button_1Click();
    void button_2Click();
    void BitBtn47Click();
    void BitBtn41Click();
    void BitBtn6Click();
    void BitBtn8Click();
    void BitBtn58Click();
    void BitBtn57Click();
    // Triggering
    void BitBtn53Click();
    void BitBtn54Click();
    void BitBtn45Click();
    void BitBtn46Click();
    void BitBtn55Click();
    void BitBtn56Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void button_trigmastetype_1Click(QObject* Sender);
    void BitBtn12Click();
    void BitBtn14Click();
    void writeTriggerMode();
    void writeMasterMode();
    // Output rules
    void BitBtn43Click();
    void BitBtn44Click();
    void out1_WChange(QObject* Sender);
    void updateOutputRow(int k);
    /// Fills all six entries of outputRuleTable from the page and sends part 0;
    /// a value box that is not a number stops it before anything is sent.
    void writeOutputRules();
    // RS485 and Ethernet
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void Btn_IPSaveClick();
    void Btn_IP_ReadClick();
    void writeEthernetConfig();
    static QString formatOctet(std::uint8_t octet);
    // System: firmware version, temperature, diagnostics
    void BitBtn7Click();
    void DebugMemoClick();
    void Timer1Timer();

    void onParameterReply(std::span<const std::uint8_t> reply);

    // ---- live values ---------------------------------------------------------
    // (TFMain_values.cpp) Unit texts in force; replaced only by the start-up
    // step and the "Zapisz" buttons of their boxes.
    std::array<QString, 4> adcUnitText;
    std::array<QString, 2> encUnitText;
    std::array<QString, 2> mathUnitText;
    QChar valueDecimalSeparator = u'.'; ///< regional separator, looked up once

    /// Decimals chosen in DivBox (2 when it has no selection).
    int decimalsCount() const;
    QString analogText(int i) const;
    QString positionText(int i) const;
    QString velocityText(int i) const;
    QString mathText(int k) const;
    /// "[" + text of math_name_1 (k = 0) or math_name_2 (k = 1) + "]".
    QString mathNameCaption(int k) const;

    void connectValueControls();               ///< once, while the window is built
    void loadUnitSettings(trv630::IniFile& ini); ///< FormCreate steps 8 - 10
    void selectStoredPoint(trv630::IniFile& ini); ///< FormCreate step 14
    void UpdateDataTimerTimer();
    // "Zapisz" of the unit and name boxes: write the key, then take the text over.
    void button_adcunit1Click();
    void button_adcunit2Click();
    void button_adcunit3Click();
    void button_adcunit4Click();
    void BitBtn11Click();
    void BitBtn13Click();
    void BitBtn42Click();
    void BitBtn49Click();
    void BitBtn48Click();
    void BitBtn50Click();

    // ---- measurement log -----------------------------------------------------
    std::string logRecord;             ///< latest record, UTF-8, ending in CR LF
    bool loggingActive = false;
    trv630::LogWriter logFile;         ///< the measurement file and its save cycle
    bool logFileOpen() const { return logFile.isOpen(); }
    bool flushRequested() const { return logFile.flushRequested(); }
    std::uint32_t countMod = 1;        ///< divisor of the MOD counter field
    trv630::LocalClock logClock;       ///< arrival stamp -> local date and time
    char16_t logDecimalSeparator = u'.'; ///< regional separator, looked up once

    /// Called by onInputReport for every measurement report, after decoding
    /// and before measurementCount is raised: builds logRecord and appends it.
    void logMeasurement();
    void SaveFileTimerTimer();
    void save_buttonClick();
    void showLoggingState();
    void file_name_buttonClick();
    void BitBtn5Click();
    void connectLogControls();              ///< once, while the window is built
    void loadRecordFieldSettings(trv630::IniFile& ini); ///< FormCreate step 11
    void loadCountMod(trv630::IniFile& ini);            ///< FormCreate step 12
    void loadLogFileName(trv630::IniFile& ini);         ///< FormCreate step 15
    void loadLoggingActive(trv630::IniFile& ini);  ///< FormCreate step 21
    void storeLogSettings(trv630::IniFile& ini);   ///< FormClose step 3
    void closeLogFile();                           ///< FormClose step 7
    /// Test seam for file_name_buttonClick: returns the chosen path, or an
    /// empty text when the dialog was cancelled.
    std::function<QString()> logFileDialog;
private:
    void showLogFileProblem();
    bool logProblemShown_ = false;
    QString logProblemText_;
public:

    // ---- chart ---------------------------------------------------------------
    /// chartRunning, chartElapsed, chartWindow, chartLastTick, chartLowest,
    /// chartHighest: the feed of Chart1.
    trv630::ChartFeed chartFeed;
    /// Millisecond reading of the chart ticks, steady while the program runs;
    /// tests put a simulated clock here.
    std::function<qint64()> chartClock;
    /// The printer chosen in the printer setup dialog (the system default
    /// until then); created on first use.
    std::shared_ptr<QPrinter> chartPrinter;
    /// Test seams: the print confirmation (true = OK) and SaveDialog2 (the
    /// chosen name, empty when cancelled).
    std::function<bool()> chartPrintConfirm;
    std::function<QString()> chartImageDialog;

    void ChartTimerTimer();
    void feedChart(qint64 reading);
    void Btn_ChartStartClick();
    void clearChart();
    void Btn_ChartClearClick();
    void Cb_ChartTimeWindowChange();
    void Edit_ChartTitleChange();
    void Btn_PrintChartClick();
    void Btn_PrintSetupClick();
    void Btn_SaveImageFromChartClick();
    void connectChartControls();                   ///< once, while the window is built
    void loadChartSettings(trv630::IniFile& ini);  ///< FormCreate steps 16-20
    void storeChartSettings(trv630::IniFile& ini); ///< FormClose steps 4-5
    QPrinter& selectedPrinter();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindow();
    void startTimers();
    Options options_;
};
