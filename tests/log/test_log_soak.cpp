// Soak: the simulated module streams 200,000 measurement reports at a fast
// spacing through the virtual bus into the window while logging is switched
// on and off several times and the save cycle runs (the real timer plus
// extra ticks). The file must then hold exactly the records of the "on"
// periods, in order, none twice, none missing: the counter field tells.
#include "app/TFMain.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/SettingsPage.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using trv630::test::WindowHarness;

TEST(LogSoak, OnPeriodsAreInTheFileExactlyOnceAndInOrder)
{
    constexpr std::uint32_t totalReports = 200'000;
    constexpr std::uint32_t periodLength = 23'000; // reports between switches

    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("soak.csv"));
    WindowHarness h;
    TFMain& w = h.window();
    ASSERT_TRUE(h.module());
    w.TabSheet4->file_name_edit->setText(fileName);
    for (QCheckBox* box : w.TabSheet4->recordFieldBoxes())
        box->setChecked(true); // full records; the counter is the third field
    QToolButton* saveButton = w.TabSheet1->save_button;
    ASSERT_TRUE(saveButton);

    h.module()->module().setSendIntervalOverride(std::chrono::microseconds(2));
    h.module()->streamer().start();

    std::vector<std::pair<std::uint32_t, std::uint32_t>> onPeriods; // [first, end)
    std::uint32_t nextSwitch = 1'000;
    std::uint32_t nextTick = 4'000;
    QElapsedTimer clock;
    clock.start();
    while (w.measurementCount < totalReports && clock.elapsed() < 60'000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (w.measurementCount >= nextSwitch) {
            saveButton->click();
            if (w.loggingActive)
                onPeriods.emplace_back(w.measurementCount, 0);
            else
                onPeriods.back().second = w.measurementCount;
            nextSwitch += periodLength;
        }
        if (w.measurementCount >= nextTick) { // extra save cycles between the timer's
            w.SaveFileTimerTimer();
            nextTick += 4'000;
        }
    }
    h.module()->streamer().stop();
    std::printf("[ soak     ] %u reports in %lld ms\n", w.measurementCount,
                static_cast<long long>(clock.elapsed()));
    h.processEvents();
    ASSERT_GE(w.measurementCount, totalReports) << "the window did not get the reports in time";
    if (w.loggingActive) {
        saveButton->click();
        onPeriods.back().second = w.measurementCount;
    }
    ASSERT_GE(onPeriods.size(), 4u);
    EXPECT_FALSE(w.logFileOpen());
    EXPECT_FALSE(w.logFile.failing());

    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last line end

    std::vector<std::uint32_t> expected;
    for (auto [first, end] : onPeriods)
        for (std::uint32_t c = first; c < end; ++c)
            expected.push_back(c);
    ASSERT_EQ(static_cast<std::size_t>(lines.size()), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QByteArray& line = lines[static_cast<qsizetype>(i)];
        const QList<QByteArray> fields = line.split(';');
        // 24 fields, each ending in ";", then the CR of the line end.
        ASSERT_EQ(fields.size(), 25) << "line " << i << ": " << line.toStdString();
        ASSERT_EQ(fields[24], QByteArray("\r")) << "line " << i;
        ASSERT_EQ(fields[2].toULong(), expected[i]) << "line " << i;
    }
}

} // namespace
