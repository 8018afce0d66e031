// Not a check: renders every page in both languages into PNG files for the
// documentation. Run by scripts/screenshots.sh (disabled in the test suite).
#include "AppTestSupport.h"

#include "app/pages/ChartPage.h"
#include "app/pages/DeviceConfigPage.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Screenshots, DISABLED_EveryPageInBothLanguages)
{
    const QString out = qEnvironmentVariable("TRV630_SCREENSHOT_DIR", QStringLiteral("."));
    QTemporaryDir dir;
    ErrorBoxRecorder boxes;
    auto w = openWindow(dir.path());
    w->show();
    // Let the simulated module connect and stream; run the chart a while.
    QTest::qWait(800);
    w->TabSheet9->Btn_ChartStart->click();
    QTest::qWait(2500);

    struct Shot {
        const char* name;
        int page;
        int subPage; // -1: none
    };
    const Shot shots[] = {
        {"indicators", 0, -1},     {"config-analog", 1, 0}, {"config-encoder", 1, 1},
        {"config-math", 1, 2},     {"config-trigger", 1, 3}, {"config-outputs", 1, 4},
        {"config-comm", 1, 5},     {"settings", 2, -1},      {"chart", 3, -1},
    };
    auto* sub = w->TabSheet3->PageControl2;
    for (int language : {0, 1}) {
        w->siLangCombo1->setCurrentIndex(language);
        w->siLangCombo1Change();
        for (const Shot& shot : shots) {
            w->PageControl1->setCurrentIndex(shot.page);
            if (shot.subPage >= 0)
                sub->setCurrentIndex(shot.subPage);
            QTest::qWait(250); // one indicator refresh
            const QString file = QStringLiteral("%1/%2-%3.png")
                                     .arg(out, QLatin1String(shot.name),
                                          language == 0 ? QStringLiteral("pl") : QStringLiteral("en"));
            EXPECT_TRUE(w->grab().save(file)) << file.toStdString();
        }
    }
}

} // namespace
