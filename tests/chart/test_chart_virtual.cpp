// A minute of the simulated module on the chart page: the window receives
// the module's measurement reports through the virtual bus, the chart clock
// is simulated, and the plotted points are the module's values at each tick.
// With TRV630_SCREENSHOT_DIR set, the window is also saved as chart.png.
#include "app/TFMain.h"
#include "app/pages/ChartPage.h"
#include "chart/ChartView.h"
#include "link/virtual/SimulatedModule.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

TEST(ChartOnVirtualModule, AMinuteOfMeasurements)
{
    trv630::test::WindowHarness harness;
    TFMain& w = harness.window();
    ChartPage* page = w.TabSheet9;
    qint64 now = 10'000;
    w.chartClock = [&] { return now; };

    page->Cb_ChartTimeWindow->setCurrentIndex(2); // "1 min"
    page->Edit_ChartTitle->setText(QStringLiteral("Wejścia analogowe"));
    for (std::size_t n = 0; n < 8; ++n) // ADC1..ADC4 and their averages
        page->CB_Chart_R[n]->setChecked(true);
    w.ChartTimerTimer();
    page->Btn_ChartStart->click();

    trv630::SimulatedModule module;
    const int ticks = 600;
    for (int i = 1; i <= ticks; ++i) {
        const double t = i * 0.1;
        harness.sendMeasurement(module.measurementAt(t));
        now += 100;
        w.ChartTimerTimer();
    }

    const trv630::ChartView& chart = *page->Chart1;
    for (int n = 0; n < 8; ++n)
        ASSERT_EQ(chart.series(n).count(), std::size_t(ticks)) << n;
    EXPECT_EQ(chart.series(8).count(), 0u);
    for (int i : {0, 299, 599}) {
        const trv630::MeasurementFrame f = module.measurementAt((i + 1) * 0.1);
        EXPECT_FLOAT_EQ(chart.series(0).y(i), f.analog[0].value) << i;
        EXPECT_FLOAT_EQ(chart.series(7).y(i), f.analog[3].average) << i;
        EXPECT_NEAR(chart.series(0).x(i), (i + 1) * 0.1, 1e-9);
    }
    // 60 s of chart time in a 60 s window: the axis has not started moving.
    EXPECT_EQ(chart.bottomAxis(), (trv630::AxisRange{0, 60}));

    const QString dir = qEnvironmentVariable("TRV630_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        w.show();
        w.PageControl1->setCurrentWidget(page);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(50);
        EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QStringLiteral("chart.png"))));
    }
}
