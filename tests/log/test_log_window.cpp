// The measurement log on the main window: the start/stop button and its
// state display, the file dialog, the MOD box, the start-up and shutdown
// steps, and the file-problem message. Reports are handed to the log hook
// directly; the soak test drives the whole road through the virtual module.
#include "app/Colours.h"
#include "app/Strings.h"
#include "app/TFMain.h"
#include "app/pages/SettingsPage.h"
#include "app/settings/IniFile.h"
#include "link/EmptyLink.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using trv630::IniFile;
using trv630::StringId;
using trv630::lookupString;

namespace {

class LogWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TFMain>(std::make_unique<trv630::EmptyLink>(),
                                          TFMain::Options{dir.path()});
        // Settings go to the temporary directory whatever start-up chose.
        window->settingsPath = dir.filePath(QStringLiteral("config.ini"));
        settings = window->TabSheet4;
    }

    QString file(const QString& name) const { return dir.filePath(name); }

    std::string contents(const QString& name) const
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
    }

    // One measurement report as onInputReport hands it over.
    void report()
    {
        window->frame.analog[0].value = 1.5f;
        window->reportArrivalMs = 1'733'840'000'000 + window->measurementCount;
        window->logMeasurement();
        ++window->measurementCount;
    }

    void onlyCounter()
    {
        for (QCheckBox* box : settings->recordFieldBoxes())
            box->setChecked(box == settings->save_cnt);
    }

    QAbstractButton* saveButton() const
    {
        auto* b = window->findChild<QAbstractButton*>(QStringLiteral("save_button"));
        EXPECT_NE(b, nullptr);
        return b;
    }
    QLabel* saveLabel() const
    {
        auto* l = window->findChild<QLabel*>(QStringLiteral("save_label"));
        EXPECT_NE(l, nullptr);
        return l;
    }

    QTemporaryDir dir;
    std::unique_ptr<TFMain> window;
    SettingsPage* settings = nullptr;
};

TEST_F(LogWindowTest, StartAndStopShowTheState)
{
    settings->file_name_edit->setText(file("pomiary.csv"));
    const QIcon offGlyph = saveButton()->icon();
    QTest::mouseClick(saveButton(), Qt::LeftButton);
    EXPECT_TRUE(window->loggingActive);
    EXPECT_EQ(window->panelText(3), lookupString(StringId::IDS_319));
    EXPECT_FALSE(settings->file_name_button->isEnabled());
    if (QLabel* label = saveLabel()) {
        EXPECT_EQ(label->text(), lookupString(StringId::IDS_317));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), trv630::fromWindowsColour(0x0616A8));
    }
    EXPECT_FALSE(saveButton()->icon().isNull());
    EXPECT_NE(saveButton()->icon().pixmap(16, 15).toImage(), offGlyph.pixmap(16, 15).toImage());

    onlyCounter();
    report();
    report();
    EXPECT_TRUE(window->logFileOpen());

    window->save_buttonClick(); // off: the file is closed at once
    EXPECT_FALSE(window->loggingActive);
    EXPECT_FALSE(window->logFileOpen());
    EXPECT_EQ(contents(file("pomiary.csv")), "0;\r\n1;\r\n");
    EXPECT_EQ(window->panelText(3), lookupString(StringId::IDS_322));
    EXPECT_TRUE(settings->file_name_button->isEnabled());
    if (QLabel* label = saveLabel()) {
        EXPECT_EQ(label->text(), lookupString(StringId::IDS_320));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), trv630::fromWindowsColour(0x804000));
    }
}

TEST_F(LogWindowTest, EmptyFileNameDoesNotStartLogging)
{
    settings->file_name_edit->clear();
    window->save_buttonClick();
    EXPECT_FALSE(window->loggingActive);
    EXPECT_EQ(window->panelText(3), lookupString(StringId::IDS_322));
    EXPECT_TRUE(settings->file_name_button->isEnabled());
}

TEST_F(LogWindowTest, NoFileWhileLoggingIsOffButTheRecordIsBuilt)
{
    settings->file_name_edit->setText(file("never.csv"));
    onlyCounter();
    for (int i = 0; i < 50; ++i)
        report();
    window->SaveFileTimerTimer();
    EXPECT_FALSE(QFile::exists(file("never.csv")));
    EXPECT_EQ(window->logRecord, "49;\r\n");
}

TEST_F(LogWindowTest, SaveCycleClosesOnTheFirstRecordAfterATick)
{
    settings->file_name_edit->setText(file("cycle.csv"));
    onlyCounter();
    window->SaveFileTimerTimer(); // a tick while logging is off
    window->save_buttonClick();
    report(); // the tick's request is still set: write, close at once
    EXPECT_FALSE(window->logFileOpen());
    report();
    EXPECT_TRUE(window->logFileOpen());
    window->SaveFileTimerTimer();
    EXPECT_TRUE(window->flushRequested());
    EXPECT_EQ(contents(file("cycle.csv")), "0;\r\n1;\r\n"); // on disk while still open
    report();
    EXPECT_FALSE(window->logFileOpen());
    EXPECT_EQ(contents(file("cycle.csv")), "0;\r\n1;\r\n2;\r\n");
}

TEST_F(LogWindowTest, FileDialogCancelledChangesNothing)
{
    settings->file_name_edit->setText(QStringLiteral("pomiary.csv"));
    IniFile(window->settingsPath).writeString(u"Options", u"FileName", QStringLiteral("stored.csv"));
    window->logFileDialog = [] { return QString(); };
    window->file_name_buttonClick();
    EXPECT_EQ(settings->file_name_edit->text(), QStringLiteral("pomiary.csv"));
    EXPECT_EQ(IniFile(window->settingsPath).readString(u"Options", u"FileName", {}),
              QStringLiteral("stored.csv"));
}

TEST_F(LogWindowTest, FileDialogChoiceIsShownAndStored)
{
    const QString chosen = file("wybrany.csv");
    window->logFileDialog = [&] { return chosen; };
    window->file_name_buttonClick();
    EXPECT_EQ(settings->file_name_edit->text(), chosen);
    EXPECT_EQ(IniFile(window->settingsPath).readString(u"Options", u"FileName", {}), chosen);
}

TEST_F(LogWindowTest, ChosenExistingFileIsAppendedTo)
{
    const QString chosen = file("existing.csv");
    {
        QFile f(chosen);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old;\r\n");
    }
    window->logFileDialog = [&] { return chosen; };
    window->file_name_buttonClick();
    onlyCounter();
    window->save_buttonClick();
    report();
    window->save_buttonClick();
    EXPECT_EQ(contents(chosen), "old;\r\n0;\r\n");
}

struct ModCase {
    const char* typed;
    bool accepted;
    const char* shown;       ///< text of edit_mod afterwards
    std::uint32_t countMod;  ///< countMod afterwards (starts at 7)
    std::uint32_t background;///< 0: standard background
};

const ModCase modCases[] = {
    {"0", true, "1", 1, trv630::clampedColour},
    {"-7", true, "1", 1, trv630::clampedColour},
    {"99999999", true, "99999999", 99999999, 0},
    {"50", true, "50", 50, 0},
    {"abc", false, "abc", 7, trv630::badInputColour},
    {"", false, "", 7, trv630::badInputColour},
};

class ModBoxTest : public LogWindowTest, public ::testing::WithParamInterface<ModCase> {};

TEST_P(ModBoxTest, BitBtn5ClampsAndStores)
{
    const ModCase& c = GetParam();
    window->countMod = 7;
    IniFile(window->settingsPath).writeInteger(u"Options", u"Mod", 42);
    const QColor standard = settings->edit_mod->palette().color(QPalette::Base);
    settings->edit_mod->setText(QString::fromLatin1(c.typed));
    QTest::mouseClick(settings->BitBtn5, Qt::LeftButton);

    EXPECT_EQ(settings->edit_mod->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(window->countMod, c.countMod);
    const QColor expected = c.background ? trv630::fromWindowsColour(c.background) : standard;
    EXPECT_EQ(settings->edit_mod->palette().color(QPalette::Base), expected);
    EXPECT_EQ(IniFile(window->settingsPath).readInteger(u"Options", u"Mod", -1),
              c.accepted ? static_cast<int>(c.countMod) : 42);

    // Typing restores the standard background.
    QTest::keyClick(settings->edit_mod, Qt::Key_5);
    EXPECT_EQ(settings->edit_mod->palette().color(QPalette::Base), standard);
}

INSTANTIATE_TEST_SUITE_P(Log, ModBoxTest, ::testing::ValuesIn(modCases));

// Start-up steps 11, 12, 15, 21 and 24 read from config.ini.
struct StartupCase {
    const char* name;
    const char* options; ///< lines of section Options
    bool saveAuto;
    bool logging;
    std::uint32_t countMod;
    const char* fileName;
    const char* modText = "1"; ///< what edit_mod shows
};

const StartupCase startupCases[] = {
    {"AutoStartWithAName", "FileName=a.csv\nSaveAuto=1\nMod=10\n", true, true, 10, "a.csv", "10"},
    {"EmptyNameNeverStarts", "FileName=\nSaveAuto=1\n", true, false, 1, ""},
    {"MissingSaveAutoTicksTheBoxButDoesNotStart", "FileName=a.csv\n", true, false, 1, "a.csv"},
    {"MissingFileNameIsTheDefault", "SaveAuto=0\n", false, false, 1, "pomiary.csv"},
    {"HexMod", "Mod=0x10\n", true, false, 16, "pomiary.csv", "16"},
    {"ModZeroAsStored", "Mod=0\n", true, false, 0, "pomiary.csv", "0"},
    {"NegativeModAsUnsigned", "Mod=-5\n", true, false, 4294967291u, "pomiary.csv", "-5"},
    {"ModNotANumber", "Mod=abc\n", true, false, 1, "pomiary.csv"},
};

class StartupTest : public LogWindowTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupTest, ReadsTheLogSettings)
{
    const StartupCase& c = GetParam();
    {
        QFile f(window->settingsPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Options]\n");
        f.write(c.options);
        f.write("SaveTime=0\nSaveOutput=0\n");
    }
    IniFile ini(window->settingsPath);
    window->loadRecordFieldSettings(ini);
    window->loadCountMod(ini);
    window->loadLogFileName(ini);
    window->loadLoggingActive(ini);
    window->showLoggingState();

    EXPECT_EQ(settings->save_auto->isChecked(), c.saveAuto);
    EXPECT_EQ(window->loggingActive, c.logging);
    EXPECT_EQ(window->countMod, c.countMod);
    EXPECT_EQ(settings->edit_mod->text(), QString::fromLatin1(c.modText));
    EXPECT_EQ(settings->file_name_edit->text(), QString::fromLatin1(c.fileName));
    EXPECT_FALSE(settings->save_time->isChecked());
    EXPECT_FALSE(settings->save_output->isChecked());
    EXPECT_TRUE(settings->save_date->isChecked()); // missing keys: ticked
    EXPECT_EQ(window->panelText(3), lookupString(c.logging ? StringId::IDS_319 : StringId::IDS_322));
    EXPECT_EQ(window->logFileOpen(), false); // no file is opened at start-up
}

INSTANTIATE_TEST_SUITE_P(Log, StartupTest, ::testing::ValuesIn(startupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogWindowTest, ModZeroFromSettingsGivesThePlaceholder)
{
    {
        QFile f(window->settingsPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Options]\nMod=0\n");
    }
    IniFile ini(window->settingsPath);
    window->loadCountMod(ini);
    for (QCheckBox* box : settings->recordFieldBoxes())
        box->setChecked(box == settings->save_cnt || box == settings->save_cntmod
                        || box == settings->save_output);
    report();
    EXPECT_EQ(window->logRecord, "0;---;LO;LO;LO;LO;LO;LO;\r\n");
}

TEST_F(LogWindowTest, CloseStoresTheBoxesAndClosesTheFile)
{
    settings->save_auto->setChecked(true);
    settings->save_math2->setChecked(false);
    settings->file_name_edit->setText(file("close.csv"));
    onlyCounter();
    window->save_buttonClick();
    report();
    report();
    IniFile ini(window->settingsPath);
    window->storeLogSettings(ini);
    window->closeLogFile();
    EXPECT_FALSE(window->logFileOpen());
    EXPECT_EQ(contents(file("close.csv")), "0;\r\n1;\r\n");
    EXPECT_TRUE(ini.readBool(u"Options", u"SaveAuto", false));
    EXPECT_TRUE(ini.readBool(u"Options", u"SaveCnt", false));
    EXPECT_FALSE(ini.readBool(u"Options", u"SaveMath2", true));
    EXPECT_FALSE(ini.readBool(u"Options", u"SaveOutput", true));
}

// A file that cannot be written is named on panel 0; its records wait and
// reach the file once it can be opened again.
TEST_F(LogWindowTest, UnwritableFileIsReportedAndRecovers)
{
    const QString name = file("missing-dir/pomiary.csv");
    settings->file_name_edit->setText(name);
    onlyCounter();
    window->save_buttonClick();
    for (int i = 0; i < 3; ++i)
        report();
    EXPECT_TRUE(window->panelText(0).contains(QDir::toNativeSeparators(name))) << window->panelText(0).toStdString();
    EXPECT_EQ(contents(name), "<missing>");

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("missing-dir")));
    window->SaveFileTimerTimer();
    report();
    EXPECT_EQ(contents(name), "0;\r\n1;\r\n2;\r\n3;\r\n");
    EXPECT_TRUE(window->panelText(0).isEmpty());
}

} // namespace

namespace {

// The real save dialog: title, filter and default extension in each
// language, no overwrite prompt, and the chosen path taken over.
struct DialogCase {
    int language; ///< position in siLangCombo1
    const char* title;
    QStringList filters;
};

class SaveDialogTest : public LogWindowTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(SaveDialogTest, ShowsTheSpecifiedDialogAndTakesTheChoice)
{
    const DialogCase& c = GetParam();
    window->siLangCombo1->setCurrentIndex(c.language);
    window->siLangCombo1Change();

    const QString chosen = file("z-dialogu.csv");
    QString title, suffix;
    QStringList filters;
    bool confirmOverwrite = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = window->findChild<QFileDialog*>(QStringLiteral("SaveDialog"));
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        confirmOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->file_name_buttonClick();

    EXPECT_EQ(title, QString::fromUtf8(c.title));
    EXPECT_EQ(filters, c.filters);
    EXPECT_EQ(suffix, QStringLiteral("csv"));
    EXPECT_FALSE(confirmOverwrite);
    EXPECT_EQ(settings->file_name_edit->text(), chosen);
    window->siLangCombo1->setCurrentIndex(0);
    window->siLangCombo1Change();
}

INSTANTIATE_TEST_SUITE_P(
    Log, SaveDialogTest,
    ::testing::Values(
        DialogCase{0, "Plik pomiarowy",
                   {QStringLiteral("Plik tekstowy (*.txt)"),
                    QStringLiteral("Plik z danymi oddzielonymi średnikami (*.csv)")}},
        // The English filter's patterns carry blanks ("*. txt"); they still select.
        DialogCase{1, "Measurement file",
                   {QStringLiteral("Text file (*.txt)"),
                    QStringLiteral("File with data separated by semicolons (*.csv)")}}));

} // namespace
