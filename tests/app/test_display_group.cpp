// The display group of the program-settings page: the chart-width number
// with its up-down control, and the connection check box nothing reads.
#include "AppTestSupport.h"

#include "app/pages/SettingsPage.h"
#include "app/pages/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(DisplayGroup, UpDownStepsChartTimeBetweenOneAndSixHundredOnly)
{
    QTemporaryDir dir;
    auto w = openWindow(dir.path());
    SettingsPage* page = w->TabSheet4;
    auto* window = control<QComboBox>(w.get(), "Cb_ChartTimeWindow");
    ASSERT_NE(window, nullptr);
    const int chartWindow = window->currentIndex();
    EXPECT_EQ(page->ChartTime->text(), QStringLiteral("1"));
    EXPECT_TRUE(page->ChartTime->isReadOnly());

    page->UpDown->downButton()->click(); // already at the bottom
    EXPECT_EQ(page->ChartTime->text(), QStringLiteral("1"));
    for (int i = 0; i < 3; ++i)
        page->UpDown->upButton()->click();
    EXPECT_EQ(page->ChartTime->text(), QStringLiteral("4"));
    page->UpDown->setPosition(599);
    page->UpDown->upButton()->click();
    page->UpDown->upButton()->click();
    EXPECT_EQ(page->ChartTime->text(), QStringLiteral("600"));
    // The chart's time window is set only by its own list.
    EXPECT_EQ(window->currentIndex(), chartWindow);

    // Not stored: the next start shows "1" again.
    ASSERT_TRUE(w->close());
    w = openWindow(dir.path());
    EXPECT_EQ(w->TabSheet4->ChartTime->text(), QStringLiteral("1"));
    EXPECT_FALSE(readFile(dir.filePath(QStringLiteral("config.ini"))).contains(QStringLiteral("600")));
}

TEST(DisplayGroup, ConnectAtStartupBoxCannotBeUnticked)
{
    QTemporaryDir dir;
    auto w = openWindow(dir.path());
    w->show();
    QCheckBox* box = w->TabSheet4->CheckBox1;
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton);
    box->click();
    EXPECT_TRUE(box->isChecked());
}

} // namespace
