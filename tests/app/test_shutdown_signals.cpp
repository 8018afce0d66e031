// Stop requests from outside (SIGTERM, SIGINT, SIGHUP) close the window
// through its normal close: settings stored, measurement file closed.
#include "AppTestSupport.h"

#include "app/ShutdownWatcher.h"
#include "app/pages/SettingsPage.h"
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

namespace settings = trv630::settings;

class StopSignal : public ::testing::TestWithParam<int> {
protected:
    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
};

TEST_P(StopSignal, ClosesTheWindowAndStoresTheSettings)
{
    auto w = openWindow(dir.path());
    w->show();
    trv630::ShutdownWatcher watcher(w.get());
    w->TabSheet4->DivBox->setCurrentIndex(0);
    w->move(40, 30);

    std::raise(GetParam());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 2000));
    EXPECT_EQ(watcher.requests(), 1);
    trv630::IniFile ini(dir.filePath(QStringLiteral("config.ini")));
    EXPECT_EQ(ini.readInteger(settings::Options, settings::Point, -1), 0);
    EXPECT_EQ(ini.readInteger(settings::Options, settings::ScreenLeft, -1), 40);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

// A shown window whose settings directory is then replaced by a plain file,
// so that every close fails to store the settings.
class StopSignalRetry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(settingsDir));
        w = openWindow(settingsDir);
        w->show();
        watcher = std::make_unique<trv630::ShutdownWatcher>(w.get());
        ASSERT_TRUE(QDir().rename(settingsDir, dir.filePath(QStringLiteral("away"))));
        writeFile(settingsDir, "blocked");
    }

    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
    const QString settingsDir = dir.filePath(QStringLiteral("cfg"));
    decltype(openWindow(QString())) w;
    std::unique_ptr<trv630::ShutdownWatcher> watcher;
};

TEST_F(StopSignalRetry, FailedCloseKeepsRunningAndTheNextSignalRetries)
{
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher->requests() == 1; }, 2000));
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.front().startsWith(QStringLiteral("Unable to write to ")));

    ASSERT_TRUE(QFile::remove(settingsDir));
    ASSERT_TRUE(QDir().rename(dir.filePath(QStringLiteral("away")), settingsDir));
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 2000));
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_FALSE(watcher->gaveUp());
}

TEST_F(StopSignalRetry, SecondFailureEndsWithoutTheSettings)
{
    int gaveUp = 0;
    watcher->setGiveUp([&] { ++gaveUp; });

    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher->requests() == 1; }, 2000));
    EXPECT_EQ(gaveUp, 0);
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher->requests() == 2; }, 2000));
    EXPECT_EQ(gaveUp, 1);
    EXPECT_EQ(boxes.texts.size(), 2);
    // Quitting now does not run the failing close a third time.
    ASSERT_TRUE(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    EXPECT_EQ(boxes.texts.size(), 2);
}

TEST(StopSignalQuit, QuittingWithTheWindowOpenStillRunsTheClose)
{
    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
    auto w = openWindow(dir.path());
    w->show();
    trv630::ShutdownWatcher watcher(w.get());
    w->TabSheet4->DivBox->setCurrentIndex(1);
    // What the application object emits when the session manager ends it.
    ASSERT_TRUE(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(trv630::IniFile(dir.filePath(QStringLiteral("config.ini")))
                  .readInteger(settings::Options, settings::Point, -1),
              1);
}

} // namespace
