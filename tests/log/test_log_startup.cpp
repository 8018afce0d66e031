// The whole road with the real start-up and close: config.ini asks for
// automatic logging, the simulated module's reports reach the file with the
// date and time of their arrival, and closing the window stores the boxes
// and closes the file.
#include "app/TFMain.h"
#include "app/pages/SettingsPage.h"
#include "app/settings/IniFile.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using trv630::test::WindowHarness;

std::string contents(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}

TEST(LogStartup, AutoStartLogsFromTheFirstReportAndCloseStoresAndCloses)
{
    QString fileName;
    WindowHarness::Options options;
    options.beforeWindow = [&](trv630::VirtualHidBus&, const QString& settingsDir) {
        fileName = QDir(settingsDir).filePath(QStringLiteral("auto.csv"));
        trv630::IniFile ini(QDir(settingsDir).filePath(QStringLiteral("config.ini")));
        ini.writeString(u"Options", u"FileName", fileName);
        ini.writeBool(u"Options", u"SaveAuto", true);
        ini.writeInteger(u"Options", u"Mod", 2);
        // Only date, time, the two counters and output states.
        for (const char* key : {"SaveAdc1", "SaveAdc2", "SaveAdc3", "SaveAdc4", "SaveAdc1avg",
                                "SaveAdc2avg", "SaveAdc3avg", "SaveAdc4avg", "SaveEnc1p",
                                "SaveEnc2p", "SaveEnc1v", "SaveEnc2v", "SaveMath1", "SaveMath2"})
            ini.writeBool(u"Options", QString::fromLatin1(key), false);
    };
    WindowHarness h(options);
    TFMain& w = h.window();
    EXPECT_TRUE(w.loggingActive);
    EXPECT_TRUE(w.TabSheet4->save_auto->isChecked());
    EXPECT_EQ(w.countMod, 2u);
    EXPECT_FALSE(QFile::exists(fileName)); // nothing opened before a record

    const qint64 arrival =
        QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7, 45), Qt::LocalTime).toMSecsSinceEpoch();
    const std::uint32_t first = w.measurementCount;
    trv630::MeasurementFrame frame;
    frame.statusBitsA = 5;
    h.sendMeasurement(frame, arrival);
    h.sendMeasurement(frame, arrival + 1001);

    w.TabSheet4->save_math1->setChecked(true); // stored at close
    w.close();
    EXPECT_FALSE(w.logFileOpen());

    const std::string n0 = std::to_string(first), n1 = std::to_string(first + 1);
    EXPECT_EQ(contents(fileName),
              "9-3-2024;14:5:7:45;" + n0 + ";" + std::to_string(first % 2) + ";HI;LO;HI;LO;LO;LO;\r\n"
              "9-3-2024;14:5:8:46;" + n1 + ";" + std::to_string((first + 1) % 2) + ";HI;LO;HI;LO;LO;LO;\r\n");
    trv630::IniFile ini(w.settingsPath);
    EXPECT_TRUE(ini.readBool(u"Options", u"SaveAuto", false));
    EXPECT_TRUE(ini.readBool(u"Options", u"SaveMath1", false));
    EXPECT_FALSE(ini.readBool(u"Options", u"SaveMath2", true));
}

} // namespace
