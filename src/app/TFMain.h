// The main window FMain: owns every control, the five timers, the HID link
// and all state of the program. Its handlers keep the design names and stay
// thin: the work is done by the window-free components they call.
//
// Everything here runs on the GUI thread; the HID link hands input reports
// over to it one at a time, so no member is locked.
#pragma once

#include "link/HidLink.h"
#include "protocol/MeasurementFrame.h"
#include "protocol/OutputRule.h"
#include "log/LogWriter.h"
#include "log/LocalClock.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <string>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QStatusBar;
class QTabWidget;

class IndicatorPage;
class DeviceConfigPage;
class SettingsPage;
class ChartPage;

class TFMain : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        /// Directory of config.ini; empty: beside the executable (or the
        /// per-user configuration directory when that is not writable).
        QString settingsDir;
    };
namespace trv630 { class IniFile; class Language; }


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

    // ---- device link, report framing and dispatch ----------------------------
    std::unique_ptr<trv630::HidLink> JvHidDeviceController1;
    trv630::HidDevice* currentDevice = nullptr;
    bool connected = false;
    std::uint32_t reportCount = 0;
    std::uint32_t measurementCount = 0;
    std::array<std::uint8_t, 128> receiveBuffer{};
    std::unique_ptr<trv630::Language> siLang1; ///< the interface language
    void placeLanguageCombo();                  ///< FormCreate step 2
    void moveToStoredPosition(int top, int left); ///< FormCreate step 13
    /// Sets every page's texts in the active language (on LanguageChange),
    /// keeping list selections and the captions that show run-time state.
    void retranslateUi();
    /// Writes again the run-time captions whose text depends on the
    /// language (save_label, panel 3, ...); called after every retranslateUi.
    void reapplyRuntimeCaptions();
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
    void onParameterReply(std::span<const std::uint8_t> reply);
    void Timer1Timer();

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
    void ChartTimerTimer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void startTimers();
    Options options_;
};
    void resizeEvent(QResizeEvent* event) override;
