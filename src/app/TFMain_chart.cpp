// The chart page: feed ticks, start/stop, clear, time window, title, print
// and bitmap. The feed's arithmetic is trv630::ChartFeed; these handlers
// connect it to the controls of TabSheet9.
#include "app/TFMain.h"

#include "app/Application.h"
#include "app/Errors.h"
#include "app/pages/ChartPage.h"
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"
#include "chart/ChartOutput.h"
#include "chart/ChartView.h"
#include "chart/LedLamp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

const QMarginsF chartPrintMargins(15, 25, 15, 25); // left, top, right, bottom, % of the page

trv630::ChartTicks tickedSeries(const ChartPage& page)
{
    trv630::ChartTicks ticked{};
    for (std::size_t n = 0; n < ticked.size(); ++n)
        ticked[n] = page.CB_Chart_R[n]->isChecked();
    return ticked;
}

} // namespace

void TFMain::connectChartControls()
{
    if (!chartClock) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        chartClock = [clock] { return clock->elapsed(); };
    }
    ChartPage* page = TabSheet9;
    auto guarded = [this](void (TFMain::*handler)()) {
        return [this, handler] { trv630::runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(page->Btn_ChartStart, &QPushButton::clicked, this, guarded(&TFMain::Btn_ChartStartClick));
    connect(page->Btn_ChartClear, &QPushButton::clicked, this, guarded(&TFMain::Btn_ChartClearClick));
    connect(page->Btn_PrintChart, &QPushButton::clicked, this, guarded(&TFMain::Btn_PrintChartClick));
    connect(page->Btn_PrintSetup, &QPushButton::clicked, this, guarded(&TFMain::Btn_PrintSetupClick));
    connect(page->Btn_SaveImageFromChart, &QPushButton::clicked, this,
            guarded(&TFMain::Btn_SaveImageFromChartClick));
    connect(page->Cb_ChartTimeWindow, &QComboBox::currentIndexChanged, this,
            guarded(&TFMain::Cb_ChartTimeWindowChange));
    connect(page->Edit_ChartTitle, &QLineEdit::textChanged, this,
            guarded(&TFMain::Edit_ChartTitleChange));
}

void TFMain::ChartTimerTimer()
{
    const qint64 reading = chartClock();
    if (chartFeed.chartRunning)
        feedChart(reading);
    else
        chartFeed.chartLastTick = reading;
}

void TFMain::feedChart(qint64 reading)
{
    chartFeed.feedChart(*TabSheet9->Chart1, reading, frame, tickedSeries(*TabSheet9));
}

void TFMain::Btn_ChartStartClick()
{
    TabSheet9->LED_ChartStart->setOn(chartFeed.toggleRunning());
}

void TFMain::clearChart()
{
    chartFeed.clearChart(*TabSheet9->Chart1);
}

void TFMain::Btn_ChartClearClick()
{
    clearChart();
}

void TFMain::Cb_ChartTimeWindowChange()
{
    chartFeed.selectWindow(*TabSheet9->Chart1, TabSheet9->Cb_ChartTimeWindow->currentIndex());
}

void TFMain::Edit_ChartTitleChange()
{
    TabSheet9->Chart1->setTitle(TabSheet9->Edit_ChartTitle->text());
    TabSheet9->Chart1->requestRepaint();
}

QPrinter& TFMain::selectedPrinter()
{
    if (!chartPrinter)
        chartPrinter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *chartPrinter;
}

void TFMain::Btn_PrintChartClick()
{
    bool ok = false;
    if (chartPrintConfirm) {
        ok = chartPrintConfirm();
    } else {
        ok = QMessageBox::question(this, QStringLiteral("Drukowanie"),
                                   QStringLiteral("Wydrukowac wykres?"),
                                   QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
             == QMessageBox::Ok;
    }
    if (!ok)
        return;
    QPrinter& printer = selectedPrinter();
    if (!TabSheet9->Chart1->print(printer, chartPrintMargins))
        throw trv630::Error(QStringLiteral("Printer selected is not valid"));
}

void TFMain::Btn_PrintSetupClick()
{
    QPrintDialog dialog(&selectedPrinter(), this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.exec(); // the choice stays in the printer; nothing else is kept
}

void TFMain::Btn_SaveImageFromChartClick()
{
    // Every failure of this action ends it silently.
    try {
        QString chosen;
        if (chartImageDialog) {
            chosen = chartImageDialog();
        } else {
            QFileDialog dialog(this);
            dialog.setObjectName(QStringLiteral("SaveDialog2"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setNameFilter(QStringLiteral("Bitmap (*.bmp)"));
            dialog.setDefaultSuffix(QStringLiteral("bmp"));
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                chosen = dialog.selectedFiles().constFirst();
        }
        if (chosen.isEmpty())
            return;
        TabSheet9->Chart1->saveBitmap(trv630::chartBitmapName(chosen));
    } catch (...) {
    }
}

void TFMain::loadChartSettings(trv630::IniFile& ini)
{
    namespace s = trv630::settings;
    ChartPage* page = TabSheet9;
    // Step 16: a stored position outside the list selects no entry. The
    // change signal is held back so that step 17 applies it exactly once.
    const int period = ini.readInteger(s::Chart, s::Period, s::defaultPeriod);
    {
        const QSignalBlocker blocker(page->Cb_ChartTimeWindow);
        page->Cb_ChartTimeWindow->setCurrentIndex(
            period >= 0 && period < page->Cb_ChartTimeWindow->count() ? period : -1);
    }
    Cb_ChartTimeWindowChange(); // step 17
    {
        const QSignalBlocker blocker(page->Edit_ChartTitle);
        page->Edit_ChartTitle->setText(
            ini.readString(s::Chart, s::Title, QString::fromUtf8(s::defaultTitle))); // step 18
    }
    Edit_ChartTitleChange(); // step 19
    for (std::size_t n = 0; n < page->CB_Chart_R.size(); ++n) // step 20
        page->CB_Chart_R[n]->setChecked(
            ini.readBool(s::Options, s::ChartSeries[n], s::defaultChartSeries));
}

void TFMain::storeChartSettings(trv630::IniFile& ini)
{
    namespace s = trv630::settings;
    ChartPage* page = TabSheet9;
    ini.writeInteger(s::Chart, s::Period, page->Cb_ChartTimeWindow->currentIndex()); // step 4
    ini.writeString(s::Chart, s::Title, page->Edit_ChartTitle->text());
    for (std::size_t n = 0; n < page->CB_Chart_R.size(); ++n) // step 5
        ini.writeBool(s::Options, s::ChartSeries[n], page->CB_Chart_R[n]->isChecked());
}
