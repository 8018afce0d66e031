// The measurement log on the window: the record of every measurement report,
// the start/stop button and its state display, the file dialog, the MOD
// divisor, the save cycle, and the log's share of start-up and shutdown.
// The record text and the file handling are window-free (src/log); this file
// only reads the controls and shows the state.
#include "app/TFMain.h"

#include "app/Application.h"
#include "app/Colours.h"
#include "app/ParameterInput.h"
#include "app/Strings.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/SettingsPage.h"
#include "app/settings/IniFile.h"
#include "log/LogCategory.h"
#include "log/LogRecord.h"
#include "values/Reading.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <exception>

namespace {

const QString optionsSection = QStringLiteral("Options");

// Settings keys of save_auto and of the nineteen record-field boxes, the
// latter in the order of SettingsPage::recordFieldBoxes().
const QString saveAutoKey = QStringLiteral("SaveAuto");
const std::array<QString, 19> recordFieldKeys = {
    QStringLiteral("SaveDate"),    QStringLiteral("SaveTime"),    QStringLiteral("SaveCnt"),
    QStringLiteral("SaveCntMod"),  QStringLiteral("SaveAdc1"),    QStringLiteral("SaveAdc2"),
    QStringLiteral("SaveAdc3"),    QStringLiteral("SaveAdc4"),    QStringLiteral("SaveAdc1avg"),
    QStringLiteral("SaveAdc2avg"), QStringLiteral("SaveAdc3avg"), QStringLiteral("SaveAdc4avg"),
    QStringLiteral("SaveEnc1p"),   QStringLiteral("SaveEnc2p"),   QStringLiteral("SaveEnc1v"),
    QStringLiteral("SaveEnc2v"),   QStringLiteral("SaveMath1"),   QStringLiteral("SaveMath2"),
    QStringLiteral("SaveOutput"),
};

constexpr std::uint32_t loggingOnColour = 0x0616A8;  // dark red
constexpr std::uint32_t loggingOffColour = 0x804000; // dark blue, the design colour
constexpr int maxCountMod = 99'999'999;              // edit_mod holds 8 characters

// The two 16 x 15 glyphs of save_button: a green "run" triangle while logging
// is off, a red "stop" square while it is on.
QIcon loggingGlyph(bool running)
{
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (running) {
        p.setPen(trv630::fromWindowsColour(0x000060));
        p.setBrush(trv630::fromWindowsColour(0x1010C0));
        p.drawRect(QRectF(3.5, 3.5, 8, 8));
    } else {
        p.setPen(trv630::fromWindowsColour(0x006000));
        p.setBrush(trv630::fromWindowsColour(0x00B000));
        const QPointF triangle[] = {{4.5, 1.5}, {4.5, 13.5}, {12.5, 7.5}};
        p.drawPolygon(triangle, 3);
    }
    return QIcon(pixmap);
}

// The save dialog's filter "name|pattern|name|pattern" in Qt's form
// "name (pattern);;name (pattern)". Blanks inside a pattern are dropped, so
// a translated pattern written as "*. csv" still selects *.csv files.
QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QString pattern = parts[i + 1];
        pattern.remove(QLatin1Char(' '));
        const qsizetype paren = name.lastIndexOf(QLatin1Char('('));
        if (paren > 0 && name.endsWith(QLatin1Char(')')))
            name = name.left(paren).trimmed();
        entries << QStringLiteral("%1 (%2)").arg(name, pattern);
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace

void TFMain::connectLogControls()
{
    logDecimalSeparator = trv630::regionalDecimalSeparator().unicode();
    SettingsPage* s = TabSheet4;
    connect(TabSheet1->save_button, &QAbstractButton::clicked, this,
            [this] { trv630::runGuarded([this] { save_buttonClick(); }); });
    connect(s->file_name_button, &QAbstractButton::clicked, this,
            [this] { trv630::runGuarded([this] { file_name_buttonClick(); }); });
    connect(s->BitBtn5, &QAbstractButton::clicked, this,
            [this] { trv630::runGuarded([this] { BitBtn5Click(); }); });
    // The 16 x 16 pictures of the two small buttons: "set" and "choose file".
    s->BitBtn5->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    s->file_name_button->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    // edit_mod's change and click events restore its background through the
    // shared change handler of the parameter boxes (adc_filter1_1Change).
}

void TFMain::logMeasurement()
{
    const SettingsPage* s = TabSheet4;
    trv630::LogRecordInput in;
    in.frame = &frame;
    in.measurementCount = measurementCount;
    in.countMod = countMod;
    // DivBox without a selection (a stored Point outside 0..4): two
    // decimals, as on the indicators.
    in.decimals = trv630::decimalsForPosition(s->DivBox->currentIndex());
    in.decimalSeparator = logDecimalSeparator;
    in.time = logClock.at(reportArrivalMs);
    const auto boxes = s->recordFieldBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        in.fields.set(static_cast<trv630::RecordField>(i), boxes[i]->isChecked());
    trv630::buildLogRecord(logRecord, in);

    if (!loggingActive)
        return;
    logFile.append(s->file_name_edit->text(), logRecord);
    if (logFile.failing() != logProblemShown_)
        showLogFileProblem();
}

void TFMain::SaveFileTimerTimer()
{
    logFile.saveCycleTick();
    if (logFile.failing() || logProblemShown_)
        showLogFileProblem();
}

// Panel 0 says plainly when the measurement file cannot be written, names it,
// says that the records wait in memory, and how many were lost if the backlog
// ran full. The text goes away once the file has taken them.
void TFMain::showLogFileProblem()
{
    if (logFile.failing()) {
        const QString name =
            QDir::toNativeSeparators(QFileInfo(logFile.failedFileName()).absoluteFilePath());
        QString text = tr("Nie można zapisać pliku pomiarowego %1 (%2); pomiary czekają w pamięci")
                           .arg(name, logFile.failureReason());
        if (logFile.droppedRecords() > 0)
            text += tr(", utracono pomiarów: %1").arg(logFile.droppedRecords());
        if (!logProblemShown_)
            qCWarning(lcLog).noquote() << text;
        setPanelText(0, text);
        logProblemText_ = text;
        logProblemShown_ = true;
    } else {
        if (panelText(0) == logProblemText_)
            setPanelText(0, QString());
        logProblemShown_ = false;
    }
}

void TFMain::save_buttonClick()
{
    if (!TabSheet4->file_name_edit->text().isEmpty())
        loggingActive = !loggingActive;
    showLoggingState();
}

void TFMain::showLoggingState()
{
    using trv630::StringId;
    QLabel* label = TabSheet1->save_label;
    label->setText(trv630::lookupString(loggingActive ? StringId::IDS_317 : StringId::IDS_320));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     trv630::fromWindowsColour(loggingActive ? loggingOnColour : loggingOffColour));
    label->setPalette(palette);
    TabSheet1->save_button->setIcon(loggingGlyph(loggingActive));
    TabSheet1->save_button->setIconSize(QSize(16, 15));
    if (!loggingActive) {
        logFile.close();
        if (logFile.failing() != logProblemShown_)
            showLogFileProblem();
    }
    TabSheet4->file_name_button->setEnabled(!loggingActive);
    setPanelText(3, trv630::lookupString(loggingActive ? StringId::IDS_319 : StringId::IDS_322));
}

void TFMain::file_name_buttonClick()
{
    // Failures on the way are swallowed; what was done before them stays.
    try {
        QString chosen;
        if (logFileDialog) {
            chosen = logFileDialog();
        } else {
            QFileDialog dialog(this, tr("Plik pomiarowy"), QString(),
                               qtFileFilter(tr("Plik tekstowy (*.txt)|*.txt|Plik z danymi "
                                               "oddzielonymi średnikami (*.csv)|*.csv")));
            dialog.setObjectName(QStringLiteral("SaveDialog"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(QStringLiteral("csv"));
            // Appending to an existing file is the normal case: no overwrite prompt.
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                chosen = dialog.selectedFiles().constFirst();
        }
        if (chosen.isEmpty())
            return; // cancelled
        TabSheet4->file_name_edit->setText(chosen);
        trv630::IniFile(settingsPath).writeString(optionsSection, QStringLiteral("FileName"), chosen);
    } catch (const std::exception& e) {
        qCWarning(lcLog) << "choosing the measurement file:" << e.what();
    }
}

void TFMain::BitBtn5Click()
{
    // Not an integer: light red, nothing else. Outside 1..99 999 999:
    // clamped, written back, light green.
    const auto value = trv630::checkedIntInput(TabSheet4->edit_mod, 1, maxCountMod);
    if (!value)
        return;
    countMod = static_cast<std::uint32_t>(*value);
    try {
        trv630::IniFile(settingsPath).writeInteger(optionsSection, QStringLiteral("Mod"), *value);
    } catch (const std::exception& e) {
        qCWarning(lcLog) << "storing Mod:" << e.what();
    }
}

void TFMain::loadRecordFieldSettings(trv630::IniFile& ini)
{
    TabSheet4->save_auto->setChecked(ini.readBool(optionsSection, saveAutoKey, true));
    const auto boxes = TabSheet4->recordFieldBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(ini.readBool(optionsSection, recordFieldKeys[i], true));
}

void TFMain::loadCountMod(trv630::IniFile& ini)
{
    // As stored, without a range check: a negative number is taken as the
    // unsigned 32-bit number of the same bits.
    const int stored = ini.readInteger(optionsSection, QStringLiteral("Mod"), 1);
    countMod = static_cast<std::uint32_t>(stored);
    // The box shows the number as stored: a negative one as such, since its
    // unsigned form has 10 digits and the box holds 8.
    TabSheet4->edit_mod->setText(QString::number(stored));
}

void TFMain::loadLogFileName(trv630::IniFile& ini)
{
    TabSheet4->file_name_edit->setText(ini.readString(
        optionsSection, QStringLiteral("FileName"), trv630::lookupString(trv630::StringId::IDS_42)));
}

void TFMain::loadLoggingActive(trv630::IniFile& ini)
{
    loggingActive = !TabSheet4->file_name_edit->text().isEmpty()
                    && ini.readBool(optionsSection, saveAutoKey, false);
}

void TFMain::storeLogSettings(trv630::IniFile& ini)
{
    ini.writeBool(optionsSection, saveAutoKey, TabSheet4->save_auto->isChecked());
    const auto boxes = TabSheet4->recordFieldBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        ini.writeBool(optionsSection, recordFieldKeys[i], boxes[i]->isChecked());
}

void TFMain::closeLogFile()
{
    logFile.close();
    if (logFile.pendingBytes() > 0)
        qCWarning(lcLog) << "the measurement file" << logFile.failedFileName()
                         << "could not be written;" << logFile.pendingBytes()
                         << "bytes of records are lost at exit";
}
