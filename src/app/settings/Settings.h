// The keys of config.ini, their defaults, the file written at first run and
// where the file lives.
//
// Reading and writing is done through IniFile with these names, e.g.
//   IniFile ini(settingsPath);
//   countMod = ini.readInteger(settings::Options, settings::Mod, settings::defaultMod);
//
// Section "Options" holds the display, logging and chart-box keys and
// "Language"; section "Chart" holds "Period" and "Title".
#pragma once

#include <QString>

#include <array>

namespace trv630 {

class IniFile;

namespace settings {

// ---- sections --------------------------------------------------------------
inline constexpr const char* Options = "Options";
inline constexpr const char* Chart = "Chart";

// ---- keys of section Options -------------------------------------------------
inline constexpr std::array<const char*, 2> MathName{"MathName1", "MathName2"};
inline constexpr std::array<const char*, 2> MathUnit{"MathUnit1", "MathUnit2"};
inline constexpr std::array<const char*, 4> AdcUnit{"AdcUnit1", "AdcUnit2", "AdcUnit3", "AdcUnit4"};
inline constexpr std::array<const char*, 2> EncUnit{"EncUnit1", "EncUnit2"};
inline constexpr const char* ScreenTop = "ScreenTop";
inline constexpr const char* ScreenLeft = "ScreenLeft";
inline constexpr const char* Point = "Point";
inline constexpr const char* FileName = "FileName";
inline constexpr const char* Mod = "Mod";
inline constexpr const char* SaveAuto = "SaveAuto";
/// The nineteen measurement-record field keys, in record order:
/// SaveDate, SaveTime, SaveCnt, SaveCntMod, SaveAdc1..4, SaveAdc1avg..4avg,
/// SaveEnc1p, SaveEnc2p, SaveEnc1v, SaveEnc2v, SaveMath1, SaveMath2, SaveOutput.
inline constexpr std::array<const char*, 19> RecordField{
    "SaveDate", "SaveTime", "SaveCnt", "SaveCntMod",
    "SaveAdc1", "SaveAdc2", "SaveAdc3", "SaveAdc4",
    "SaveAdc1avg", "SaveAdc2avg", "SaveAdc3avg", "SaveAdc4avg",
    "SaveEnc1p", "SaveEnc2p", "SaveEnc1v", "SaveEnc2v",
    "SaveMath1", "SaveMath2", "SaveOutput"};
/// Chart1 .. Chart14: the ticks of CB_Chart_R1 .. CB_Chart_R14.
inline constexpr std::array<const char*, 14> ChartSeries{
    "Chart1", "Chart2", "Chart3", "Chart4", "Chart5", "Chart6", "Chart7",
    "Chart8", "Chart9", "Chart10", "Chart11", "Chart12", "Chart13", "Chart14"};
inline constexpr const char* Language = "Language";

// ---- keys of section Chart ---------------------------------------------------
inline constexpr const char* Period = "Period";
inline constexpr const char* Title = "Title";

// ---- defaults when a key is missing -----------------------------------------
// (The first-run values differ for SaveAuto, Chart1, Period and Title.)
inline constexpr const char* defaultMathName = "...";
inline constexpr const char* defaultMathUnit = "...";
inline constexpr const char* defaultAdcUnit = "";
inline constexpr const char* defaultEncUnit = "";
inline constexpr int defaultScreenTop = 0;
inline constexpr int defaultScreenLeft = 0;
inline constexpr int defaultPoint = 2;
/// FileName: the text of IDS_42 in Polish, "pomiary.csv".
QString defaultFileName();
inline constexpr int defaultMod = 1;
/// SaveAuto is read twice: for the box save_auto with default true, and for
/// starting the logging with default false.
inline constexpr bool defaultSaveAutoBox = true;
inline constexpr bool defaultSaveAutoLogging = false;
inline constexpr bool defaultRecordField = true;
inline constexpr bool defaultChartSeries = false; // Chart1 included
inline constexpr int defaultLanguage = 0;
inline constexpr int defaultPeriod = 0; // "1 sek"
inline constexpr const char* defaultTitle = "";

// ---- first run ---------------------------------------------------------------
inline constexpr int firstRunPeriod = 1; // "10 sek"
inline constexpr const char* firstRunTitle = "Nazwa wykresu";

/// Writes every key with its first-run value, in the documented order
/// (section Options with Language last, then section Chart). Throws
/// trv630::Error at the first refused write.
void writeFirstRunFile(IniFile& ini);

// ---- location ----------------------------------------------------------------
inline constexpr const char* fileName = "config.ini";

/// The directory of config.ini: exeDir when it is writable (or already holds
/// a writable config.ini), else the per-user configuration directory
/// (QStandardPaths::AppConfigLocation, created when missing). A system-wide
/// install puts the executable where users cannot write.
QString settingsDirectory(const QString& exeDir);

/// The full path of config.ini: in overrideDir when given (tests), else in
/// settingsDirectory(QCoreApplication::applicationDirPath()).
QString settingsPath(const QString& overrideDir = {});

} // namespace settings
} // namespace trv630
