#include "app/TFMain.h"

#include "app/Application.h"
#include "app/InterfaceFont.h"
#include "app/Language.h"
#include "app/pages/ChartPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/SettingsPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>

TFMain::TFMain(std::unique_ptr<trv630::HidLink> link, Options options, QWidget* parent)
    : QMainWindow(parent), JvHidDeviceController1(std::move(link)), options_(std::move(options))
{
    setObjectName(QStringLiteral("FMain"));
    buildWindow();
    connectLogControls();
    connectChartControls();
    connectParameterControls();
    connectValueControls();
    startTimers();
    trv630::runGuarded([this] { FormCreate(); });

    connect(JvHidDeviceController1.get(), &trv630::HidLink::deviceChange, this,
            [this] { trv630::runGuarded([this] { JvHidDeviceController1DeviceChange(); }); });
    JvHidDeviceController1->start();
}

TFMain::~TFMain()
{
    // Release the devices before the controls they report into, and the
    // list's device objects before the link they belong to.
    releaseDeviceList();
    JvHidDeviceController1.reset();
}

void TFMain::buildWindow()
{
    setWindowTitle(QStringLiteral(" "));
    siLang1 = std::make_unique<trv630::Language>();
    // Window properties: Tahoma 11 px; client area 765 x 570. The outer size
    // may be dragged by 8 pixels in width and 9 in height (773 .. 781 x
    // 601 .. 610 with the usual frame), so the client area by as much.
    setFont(trv630::tahoma(11));
    setMinimumSize(765, 570);
    setMaximumSize(765 + 8, 570 + 9);
    resize(765, 570);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    TabSheet1 = new IndicatorPage;
    TabSheet3 = new DeviceConfigPage;
    TabSheet4 = new SettingsPage;
    TabSheet9 = new ChartPage;
    PageControl1->addTab(TabSheet1, tr("Wskaźniki"));
    PageControl1->addTab(TabSheet3, tr("Konfiguracja urządzenia"));
    PageControl1->addTab(TabSheet4, tr("Ustawienia programu"));
    PageControl1->addTab(TabSheet9, QStringLiteral("Wykresy")); // not translated
    setCentralWidget(PageControl1);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(24);
    static constexpr std::array<int, 4> panelWidths{400, 150, 100, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StatusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(panelWidths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        StatusBar->addWidget(panel);
        statusPanels[i] = panel;
    }
    setStatusBar(StatusBar);

    siLangCombo1 = new QComboBox(this);
    siLangCombo1->setObjectName(QStringLiteral("siLangCombo1"));
    siLangCombo1->setFixedSize(100, 22);
    trv630::Language::fillCombo(siLangCombo1); // "Polski", "English" with their flags
    siLangCombo1->setFont(trv630::tahoma(11));
    connect(siLangCombo1, &QComboBox::activated, this,
            [this] { trv630::runGuarded([this] { siLangCombo1Change(); }); });
    // The status bar keeps the system's font.
    QFont statusFont = QApplication::font(StatusBar);
    statusFont.setFamilies(statusFont.families().isEmpty() ? QStringList{statusFont.family()}
                                                           : statusFont.families());
    statusFont.setPointSizeF(statusFont.pointSizeF());
    StatusBar->setFont(statusFont);
}

void TFMain::startTimers()
{
    const std::pair<QTimer*, int> timers[] = {{&UpdateDataTimer, 100}, {&ChartTimer, 100},
                                              {&FreqTimer, 333},       {&SaveFileTimer, 1000},
                                              {&Timer1, 5000}};
    for (auto [timer, interval] : timers) {
        timer->setInterval(interval);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&UpdateDataTimer, &QTimer::timeout, this, &TFMain::UpdateDataTimerTimer);
    connect(&ChartTimer, &QTimer::timeout, this, &TFMain::ChartTimerTimer);
    connect(&FreqTimer, &QTimer::timeout, this, &TFMain::FreqTimerTimer);
    connect(&SaveFileTimer, &QTimer::timeout, this, &TFMain::SaveFileTimerTimer);
    connect(&Timer1, &QTimer::timeout, this, &TFMain::Timer1Timer);
    for (auto [timer, interval] : timers)
        timer->start();
}

void TFMain::setPanelText(int panel, const QString& text)
{
    statusPanels.at(panel)->setText(text);
}

QString TFMain::panelText(int panel) const
{
    return statusPanels.at(panel)->text();
}

void TFMain::closeEvent(QCloseEvent* event)
{
    bool closed = false;
    trv630::runGuarded([&] { closed = FormClose(); });
    if (closed)
        event->accept();
    else
        event->ignore();
}

void TFMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void TFMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The language drop-down keeps its place at the status bar's right end.
    if (siLangCombo1->parentWidget() == StatusBar)
        siLangCombo1->move(StatusBar->width() - 115, 2);
}
