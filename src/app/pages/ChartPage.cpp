#include "app/pages/ChartPage.h"

#include "app/Colours.h"
#include "chart/ChartFeed.h"
#include "chart/ChartView.h"
#include "chart/LedLamp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using trv630::fromWindowsColour;

namespace {

constexpr int seriesLineWidth = 2;
constexpr int boxSize = 15;

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    return b;
}

} // namespace

ChartPage::ChartPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet9"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    buildChart();
    layout->addWidget(Chart1, 1);
    buildButtonRow();
}

void ChartPage::buildChart()
{
    Chart1 = new trv630::ChartView(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    trv630::ChartStyle& st = Chart1->style();
    st.background = Qt::white;
    st.plotGradientTop = Qt::white;
    st.plotGradientBottom = fromWindowsColour(0xA9A792);
    st.borderVisible = true;
    st.border = fromWindowsColour(0xDF7A29);
    st.titleFont = pixelFont(QStringLiteral("Verdana"), 13, true);
    st.titleColour = fromWindowsColour(0x6F481A);
    st.labelFont = pixelFont(QStringLiteral("Tahoma"), 11, false);
    st.bottomTitle = QStringLiteral("Czas (s)");
    st.bottomTitleFont = pixelFont(QStringLiteral("Tahoma"), 12, true);
    st.bottomTitleColour = fromWindowsColour(0xA34710);
    st.legendFont = st.labelFont;
    st.legendBackground = fromWindowsColour(0xF4F3F2);
    st.legendFrame = Qt::gray;
    st.legendShadowAlpha = 128;
    st.legendSymbolPen = 2;
    st.legendExtraSpacing = 4;
    st.rightReserve = boxSize + 6; // the check boxes sit there

    for (int n = 0; n < trv630::chartChannelCount; ++n) {
        const auto& channel = trv630::chartChannels[static_cast<std::size_t>(n)];
        Chart1->addSeries(QString::fromLatin1(channel.title), fromWindowsColour(channel.colour),
                          seriesLineWidth);
    }

    Edit_ChartTitle = new QLineEdit(QStringLiteral("Tytuł wykresu"), Chart1);
    Edit_ChartTitle->setObjectName(QStringLiteral("Edit_ChartTitle"));
    Edit_ChartTitle->setGeometry(6, 3, 170, 20);

    for (int n = 0; n < trv630::chartChannelCount; ++n) {
        // The design captions lie outside the 15 x 15 box and are not seen.
        auto* box = new QCheckBox(n < 2 ? QString() : QStringLiteral("C"), Chart1);
        box->setObjectName(QStringLiteral("CB_Chart_R%1").arg(n + 1));
        box->setFixedSize(boxSize, boxSize);
        CB_Chart_R[static_cast<std::size_t>(n)] = box;
    }
    connect(Chart1, &trv630::ChartView::legendMoved, this, &ChartPage::placeSeriesBoxes);
    placeSeriesBoxes();
}

void ChartPage::placeSeriesBoxes()
{
    const trv630::PaintParams pp = Chart1->currentLayout();
    for (std::size_t n = 0; n < CB_Chart_R.size(); ++n) {
        if (!CB_Chart_R[n])
            continue;
        const qreal centre = pp.legendFirstLine + (static_cast<qreal>(n) + 0.5) * pp.legendLineHeight;
        CB_Chart_R[n]->move(static_cast<int>(pp.legend.right() + 4),
                            static_cast<int>(centre - boxSize / 2.0));
    }
}

void ChartPage::buildButtonRow()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    Btn_ChartStart = button(this, "Btn_ChartStart", QStringLiteral("Start / Stop"),
                            QStringLiteral("Uruchomienie / zatrzymanie wykresu"));
    LED_ChartStart = new trv630::LedLamp(this);
    LED_ChartStart->setObjectName(QStringLiteral("LED_ChartStart"));
    Btn_ChartClear = button(this, "Btn_ChartClear", QStringLiteral("Wyczysc"),
                            QStringLiteral("Wyczyszczenie wykresu"));
    Btn_PrintChart = button(this, "Btn_PrintChart", QStringLiteral("Dukuj"),
                            QStringLiteral("Wydrukowanie wykresu"));
    Btn_PrintSetup = button(this, "Btn_PrintSetup", QStringLiteral("Opcje wydruku"),
                            QStringLiteral("Ustawienia wydruku"));
    Btn_SaveImageFromChart = button(this, "Btn_SaveImageFromChart",
                                    QStringLiteral("Zapisz jako obrazek"),
                                    QStringLiteral("Zapisanie wykrasu jako obraz"));
    Label90 = new QLabel(QStringLiteral("Szerokosc:"), this);
    Label90->setObjectName(QStringLiteral("Label90"));
    Cb_ChartTimeWindow = new QComboBox(this);
    Cb_ChartTimeWindow->setObjectName(QStringLiteral("Cb_ChartTimeWindow"));
    for (const char* label : trv630::chartWindowLabels)
        Cb_ChartTimeWindow->addItem(QString::fromUtf8(label));
    Cb_ChartTimeWindow->setCurrentIndex(0); // design selection "1 sek"

    row->addWidget(Btn_ChartStart);
    row->addWidget(LED_ChartStart);
    row->addSpacing(8);
    row->addWidget(Btn_ChartClear);
    row->addWidget(Btn_PrintChart);
    row->addWidget(Btn_PrintSetup);
    row->addWidget(Btn_SaveImageFromChart);
    row->addStretch(1);
    row->addWidget(Label90);
    row->addWidget(Cb_ChartTimeWindow);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}
