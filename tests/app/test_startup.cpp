// Start-up and shutdown of the real main window on a settings directory of
// its own: first run, hand-edited and broken files, a file that cannot be
// written, and the settings round trip through close and restart.
#include "AppTestSupport.h"

#include "app/Language.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/SettingsPage.h"
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using trv630::IniFile;
namespace settings = trv630::settings;

class Startup : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
    QString iniPath() const { return dir.filePath(QStringLiteral("config.ini")); }
};

TEST_F(Startup, FirstRunCreatesTheFileAndAppliesItsValues)
{
    auto w = openWindow(dir.path());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'|').toStdString();
    ASSERT_TRUE(QFile::exists(iniPath()));
    EXPECT_EQ(w->settingsPath, iniPath());

    const QString text = readFile(iniPath());
    // Section Options with Language last, then section Chart.
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Options]")));
    EXPECT_LT(text.indexOf(QStringLiteral("Chart14=0")), text.indexOf(QStringLiteral("Language=0")));
    EXPECT_LT(text.indexOf(QStringLiteral("Language=0")), text.indexOf(QStringLiteral("[Chart]")));
    IniFile ini(iniPath());
    EXPECT_EQ(ini.readString(settings::Options, settings::FileName, {}), QStringLiteral("pomiary.csv"));
    EXPECT_EQ(ini.readInteger(settings::Chart, settings::Period, -1), 1);
    EXPECT_EQ(ini.readString(settings::Chart, settings::Title, {}), QStringLiteral("Nazwa wykresu"));

    EXPECT_EQ(w->windowTitle(), QStringLiteral("TRV630-PC [STANDARD] - 1.13"));
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    EXPECT_EQ(w->TabSheet4->DivBox->currentIndex(), 2);
    EXPECT_FALSE(w->TabSheet4->save_auto->isChecked());
    for (QCheckBox* box : w->TabSheet4->recordFieldBoxes())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_FALSE(w->loggingActive);
    EXPECT_EQ(w->siLangCombo1->currentIndex(), 0);
    EXPECT_EQ(w->siLang1->active(), trv630::Language::Polish);
    EXPECT_EQ(w->TabSheet4->ver_pc->text(), QStringLiteral("1.13"));
    EXPECT_EQ(w->PageControl1->currentWidget(), static_cast<QWidget*>(w->TabSheet1));
    EXPECT_EQ(control<QTabWidget>(w.get(), "PageControl2")->currentIndex(), 0);
    // Chart: "10 sek", the first-run title, only the first series ticked.
    ASSERT_NE(control<QComboBox>(w.get(), "Cb_ChartTimeWindow"), nullptr);
    EXPECT_EQ(control<QComboBox>(w.get(), "Cb_ChartTimeWindow")->currentText(), QStringLiteral("10 sek"));
    EXPECT_EQ(control<QLineEdit>(w.get(), "Edit_ChartTitle")->text(), QStringLiteral("Nazwa wykresu"));
    for (int i = 1; i <= 14; ++i) {
        const QByteArray name = "CB_Chart_R" + QByteArray::number(i);
        ASSERT_NE(control<QCheckBox>(w.get(), name.constData()), nullptr) << name.constData();
        EXPECT_EQ(control<QCheckBox>(w.get(), name.constData())->isChecked(), i == 1) << name.constData();
    }
    // The diagnostics memo is hidden; the address boxes are empty with their mask.
    ASSERT_NE(control<QWidget>(w.get(), "DebugMemo"), nullptr);
    EXPECT_TRUE(control<QWidget>(w.get(), "DebugMemo")->isHidden());
    for (const char* name : {"MaskEdit_IP_Addr", "MaskEdit_IP_Mask", "MaskEdit_IP_Gate"}) {
        auto* box = control<QLineEdit>(w.get(), name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), QStringLiteral("...")) << name; // only the fixed points
        EXPECT_FALSE(box->inputMask().isEmpty()) << name;
    }
}

TEST_F(Startup, WindowSizeAndLanguageDropDownPlace)
{
    auto w = openWindow(dir.path());
    EXPECT_EQ(w->size(), QSize(765, 570));
    EXPECT_EQ(w->minimumSize(), QSize(765, 570));
    EXPECT_EQ(w->maximumSize(), QSize(773, 579));
    EXPECT_EQ(w->siLangCombo1->parentWidget(), static_cast<QWidget*>(w->StatusBar));
    EXPECT_EQ(w->siLangCombo1->size(), QSize(100, 22));
    w->show();
    EXPECT_EQ(w->siLangCombo1->pos(), QPoint(w->StatusBar->width() - 115, 2));
    EXPECT_EQ(w->siLangCombo1->itemText(0), QStringLiteral("Polski"));
    EXPECT_EQ(w->siLangCombo1->itemText(1), QStringLiteral("English"));
    EXPECT_FALSE(w->siLangCombo1->itemIcon(0).isNull());
    EXPECT_FALSE(w->siLangCombo1->itemIcon(1).isNull());
}

TEST_F(Startup, TimersRunFromCreationAsTabled)
{
    auto w = openWindow(dir.path());
    const std::pair<const QTimer*, int> timers[] = {{&w->UpdateDataTimer, 100}, {&w->ChartTimer, 100},
                                                    {&w->FreqTimer, 333},       {&w->SaveFileTimer, 1000},
                                                    {&w->Timer1, 5000}};
    for (auto [timer, interval] : timers) {
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_FALSE(timer->isSingleShot());
    }
}

TEST_F(Startup, HandEditedFileWithMissingKeysTakesTheDefaults)
{
    // No SaveAuto, no record keys, no Chart section, no Language.
    writeFile(iniPath(), "[Options]\r\nPoint=3\r\nFileName=dane.csv\r\n");
    auto w = openWindow(dir.path());
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(w->TabSheet4->DivBox->currentIndex(), 3);
    // save_auto defaults to ticked, but logging does not start.
    EXPECT_TRUE(w->TabSheet4->save_auto->isChecked());
    EXPECT_FALSE(w->loggingActive);
    EXPECT_EQ(w->TabSheet4->file_name_edit->text(), QStringLiteral("dane.csv"));
    for (QCheckBox* box : w->TabSheet4->recordFieldBoxes())
        EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(w->siLang1->active(), trv630::Language::Polish);
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    // Without Period and Title: "1 sek" and no title; without Chart1 no box ticked.
    EXPECT_EQ(control<QComboBox>(w.get(), "Cb_ChartTimeWindow")->currentText(), QStringLiteral("1 sek"));
    EXPECT_EQ(control<QLineEdit>(w.get(), "Edit_ChartTitle")->text(), QString());
    EXPECT_FALSE(control<QCheckBox>(w.get(), "CB_Chart_R1")->isChecked());
    // Nothing is written at start-up when the file exists.
    EXPECT_EQ(readFile(iniPath()), QStringLiteral("[Options]\r\nPoint=3\r\nFileName=dane.csv\r\n"));
}

TEST_F(Startup, BadValuesFallBackWithoutStoppingTheStartUp)
{
    writeFile(iniPath(), "[Options]\nPoint=abc\nMod=abc\nSaveAuto=yes\nLanguage=7\nScreenLeft=-5000\nScreenTop=x\n");
    auto w = openWindow(dir.path());
    // The out-of-range language starts in Polish with no error, and the
    // steps after it still run.
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'|').toStdString();
    EXPECT_EQ(w->siLangCombo1->currentIndex(), 0);
    EXPECT_EQ(w->siLang1->active(), trv630::Language::Polish);
    EXPECT_EQ(w->TabSheet4->ver_pc->text(), QStringLiteral("1.13"));
    EXPECT_EQ(w->TabSheet4->DivBox->currentIndex(), 2);
    EXPECT_EQ(w->countMod, 1u);
    EXPECT_EQ(w->TabSheet4->edit_mod->text(), QStringLiteral("1"));
    EXPECT_TRUE(w->TabSheet4->save_auto->isChecked()); // "yes" is no number: default
    // A position off every screen comes back onto the screen.
    EXPECT_GE(w->x(), 0);
    EXPECT_EQ(w->y(), 0);
}

TEST_F(Startup, NegativeLanguageAndHexadecimalMod)
{
    writeFile(iniPath(), "[Options]\nLanguage=-1\nMod=0x10\nPoint=9\n");
    auto w = openWindow(dir.path());
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(w->siLang1->active(), trv630::Language::Polish);
    EXPECT_EQ(w->countMod, 16u);
    EXPECT_EQ(w->TabSheet4->ver_pc->text(), QStringLiteral("1.13"));
    // Point outside the list leaves DivBox without a selection.
    EXPECT_EQ(w->TabSheet4->DivBox->currentIndex(), -1);
}

TEST_F(Startup, UnwritableSettingsStopStartUpAtTheFirstWrite)
{
    // A regular file where the settings directory should be: nobody, root
    // included, can create config.ini inside it.
    const QString blocker = dir.filePath(QStringLiteral("not-a-directory"));
    writeFile(blocker, "x");
    auto w = openWindow(blocker);
    ASSERT_EQ(boxes.texts.size(), 1);
    const QString expected = QStringLiteral("Unable to write to %1.")
                                 .arg(QDir::toNativeSeparators(blocker + QStringLiteral("/config.ini")));
    EXPECT_EQ(boxes.texts.front(), expected);
    // The window opens with the design values of the skipped steps.
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TRV630-PC [STANDARD] - 1.13"));
    EXPECT_EQ(w->TabSheet4->ver_pc->text(), QStringLiteral("..."));
    EXPECT_EQ(w->TabSheet4->DivBox->currentIndex(), 3);
}

TEST_F(Startup, CloseAndRestartKeepsTheSettings)
{
    {
        auto w = openWindow(dir.path());
        w->TabSheet4->DivBox->setCurrentIndex(4);
        w->TabSheet4->save_auto->setChecked(true);
        w->TabSheet4->save_time->setChecked(false);
        w->TabSheet4->save_output->setChecked(false);
        w->move(120, 80);
        w->show();
        EXPECT_TRUE(w->close());
        EXPECT_TRUE(boxes.texts.isEmpty());
    }
    IniFile ini(iniPath());
    EXPECT_EQ(ini.readInteger(settings::Options, settings::ScreenLeft, -1), 120);
    EXPECT_EQ(ini.readInteger(settings::Options, settings::ScreenTop, -1), 80);
    EXPECT_EQ(ini.readInteger(settings::Options, settings::Point, -1), 4);
    EXPECT_TRUE(ini.readBool(settings::Options, settings::SaveAuto, false));

    auto w = openWindow(dir.path());
    EXPECT_EQ(w->pos(), QPoint(120, 80));
    EXPECT_EQ(w->TabSheet4->DivBox->currentIndex(), 4);
    EXPECT_TRUE(w->TabSheet4->save_auto->isChecked());
    EXPECT_FALSE(w->TabSheet4->save_time->isChecked());
    EXPECT_FALSE(w->TabSheet4->save_output->isChecked());
    EXPECT_TRUE(w->TabSheet4->save_date->isChecked());
    // save_auto ticked at close and a file name stored: logging resumes.
    EXPECT_TRUE(w->loggingActive);
}

TEST_F(Startup, FailedSettingsWriteAbandonsTheCloseAndTheNextCloseRetries)
{
    // The settings directory sits inside a directory of its own, so that it
    // can be swapped for a regular file while the window runs.
    const QString settingsDir = dir.filePath(QStringLiteral("cfg"));
    ASSERT_TRUE(QDir().mkpath(settingsDir));
    auto w = openWindow(settingsDir);
    w->show();
    ASSERT_TRUE(boxes.texts.isEmpty());
    const QString kept = dir.filePath(QStringLiteral("cfg-away"));
    ASSERT_TRUE(QDir().rename(settingsDir, kept));
    writeFile(settingsDir, "blocked");

    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.front().startsWith(QStringLiteral("Unable to write to ")));
    EXPECT_TRUE(boxes.texts.front().endsWith(QStringLiteral("config.ini.")));

    ASSERT_TRUE(QFile::remove(settingsDir));
    ASSERT_TRUE(QDir().rename(kept, settingsDir));
    w->TabSheet4->DivBox->setCurrentIndex(0);
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(IniFile(settingsDir + QStringLiteral("/config.ini")).readInteger(settings::Options, settings::Point, -1), 0);
}

} // namespace

namespace {

TEST(WindowFont, TahomaElevenPixelsWhereInstalled)
{
    QTemporaryDir dir;
    auto w = openWindow(dir.path());
    EXPECT_EQ(w->font().pixelSize(), 11);
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "fonts-wine not installed";
    EXPECT_EQ(QFontInfo(w->font()).family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(QFontInfo(w->TabSheet4->save_auto->font()).family(), QStringLiteral("Tahoma"));
}

} // namespace
