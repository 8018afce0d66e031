// The first-run config.ini byte for byte, the defaults of a hand-written file
// and where config.ini lives.
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace s = trv630::settings;
using trv630::IniFile;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Settings, FirstRunFileHoldsEveryKeyInOrder)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("config.ini")));
    s::writeFirstRunFile(ini);
    const QByteArray expected =
        "[Options]\r\n"
        "MathName1=...\r\nMathName2=...\r\nMathUnit1=...\r\nMathUnit2=...\r\n"
        "AdcUnit1=\r\nAdcUnit2=\r\nAdcUnit3=\r\nAdcUnit4=\r\nEncUnit1=\r\nEncUnit2=\r\n"
        "ScreenTop=0\r\nScreenLeft=0\r\nPoint=2\r\nFileName=pomiary.csv\r\nMod=1\r\n"
        "SaveAuto=0\r\nSaveDate=1\r\nSaveTime=1\r\nSaveCnt=1\r\nSaveCntMod=1\r\n"
        "SaveAdc1=1\r\nSaveAdc2=1\r\nSaveAdc3=1\r\nSaveAdc4=1\r\n"
        "SaveAdc1avg=1\r\nSaveAdc2avg=1\r\nSaveAdc3avg=1\r\nSaveAdc4avg=1\r\n"
        "SaveEnc1p=1\r\nSaveEnc2p=1\r\nSaveEnc1v=1\r\nSaveEnc2v=1\r\n"
        "SaveMath1=1\r\nSaveMath2=1\r\nSaveOutput=1\r\n"
        "Chart1=1\r\nChart2=0\r\nChart3=0\r\nChart4=0\r\nChart5=0\r\nChart6=0\r\nChart7=0\r\n"
        "Chart8=0\r\nChart9=0\r\nChart10=0\r\nChart11=0\r\nChart12=0\r\nChart13=0\r\nChart14=0\r\n"
        "Language=0\r\n"
        "\r\n"
        "[Chart]\r\n"
        "Period=1\r\nTitle=Nazwa wykresu\r\n";
    EXPECT_EQ(readAll(ini.path()), expected);

    // The reads that follow find the first-run values, not the defaults.
    EXPECT_FALSE(ini.readBool(s::Options, s::SaveAuto, s::defaultSaveAutoBox));
    EXPECT_TRUE(ini.readBool(s::Options, s::ChartSeries[0], s::defaultChartSeries));
    EXPECT_EQ(ini.readInteger(s::Chart, s::Period, s::defaultPeriod), 1);
    EXPECT_EQ(ini.readString(s::Chart, s::Title, QString::fromLatin1(s::defaultTitle)),
              QStringLiteral("Nazwa wykresu"));
    EXPECT_EQ(ini.readString(s::Options, s::MathUnit[1], {}), QStringLiteral("..."));
}

TEST(Settings, HandWrittenFileWithoutChartKeysTakesTheDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Options]\nMod=0x10\nPoint=abc\n");
    f.close();
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(s::Options, s::Mod, s::defaultMod), 16);
    EXPECT_EQ(ini.readInteger(s::Options, s::Point, s::defaultPoint), 2);
    EXPECT_EQ(ini.readInteger(s::Chart, s::Period, s::defaultPeriod), 0);
    EXPECT_EQ(ini.readString(s::Chart, s::Title, QString::fromLatin1(s::defaultTitle)), QString());
    EXPECT_FALSE(ini.readBool(s::Options, s::ChartSeries[0], s::defaultChartSeries));
    // SaveAuto missing: the box is ticked, but logging does not start.
    EXPECT_TRUE(ini.readBool(s::Options, s::SaveAuto, s::defaultSaveAutoBox));
    EXPECT_FALSE(ini.readBool(s::Options, s::SaveAuto, s::defaultSaveAutoLogging));
    EXPECT_EQ(ini.readString(s::Options, s::FileName, s::defaultFileName()),
              QStringLiteral("pomiary.csv"));
    EXPECT_EQ(ini.readString(s::Options, s::MathName[0], QString::fromLatin1(s::defaultMathName)),
              QStringLiteral("..."));
}

TEST(Settings, FileBesideAWritableExecutableDirectory)
{
    QTemporaryDir dir;
    EXPECT_EQ(s::settingsDirectory(dir.path()), dir.path());
    EXPECT_EQ(s::settingsPath(dir.path()), dir.filePath(QStringLiteral("config.ini")));
}

TEST(Settings, PerUserDirectoryWhenTheExecutableDirectoryIsNotWritable)
{
    // A directory that cannot exist (its parent is a regular file) is not
    // writable even for root.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("xdg")).toUtf8());
    const QString chosen = s::settingsDirectory(file + QStringLiteral("/bin"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(chosen.startsWith(dir.filePath(QStringLiteral("xdg")))) << chosen.toStdString();
    EXPECT_TRUE(QFileInfo(chosen).isDir());
}

} // namespace
