#include "app/pages/OutputsPage.h"

#include "app/pages/ConfigGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <array>

using namespace configgrid;

namespace {

struct RowControls {
    QComboBox** W;
    QComboBox** B;
    QLineEdit** N;
    QComboBox** T;
    QComboBox** C;
    QLineEdit** M;
    QComboBox** S;
};

} // namespace

OutputsPage::OutputsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet8"));

    GroupBox9 = named(new QGroupBox, "GroupBox9");
    auto* grid = new QGridLayout(GroupBox9);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    QLabel** heads[] = {&Label58, &Label45, &Label46, &Label50, &Label51, &Label52, &Label57};
    const char* headNames[] = {"Label58", "Label45", "Label46", "Label50", "Label51", "Label52", "Label57"};
    for (int c = 0; c < 7; ++c) {
        *heads[c] = label(headNames[c], true);
        (*heads[c])->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(*heads[c], 0, 1 + c);
    }

    QLabel** rowLabels[] = {&Label68, &Label69, &Label70, &Label71, &Label72, &Label73};
    const RowControls rows[] = {
        {&out1_W, &out1_B, &out1_N, &out1_T, &out1_C, &out1_M, &out1_S},
        {&out2_W, &out2_B, &out2_N, &out2_T, &out2_C, &out2_M, &out2_S},
        {&out3_W, &out3_B, &out3_N, &out3_T, &out3_C, &out3_M, &out3_S},
        {&out4_W, &out4_B, &out4_N, &out4_T, &out4_C, &out4_M, &out4_S},
        {&out5_W, &out5_B, &out5_N, &out5_T, &out5_C, &out5_M, &out5_S},
        {&out6_W, &out6_B, &out6_N, &out6_T, &out6_C, &out6_M, &out6_S},
    };
    for (int k = 0; k < 6; ++k) {
        const int n = k + 1;
        *rowLabels[k] = label(QStringLiteral("Label%1").arg(68 + k));
        grid->addWidget(*rowLabels[k], n, 0);
        const RowControls& row = rows[k];
        grid->addWidget(make(*row.W, channelName("out%1_W", n)), n, 1);
        grid->addWidget(make(*row.B, channelName("out%1_B", n)), n, 2);
        grid->addWidget(make(*row.N, channelName("out%1_N", n)), n, 3);
        grid->addWidget(make(*row.T, channelName("out%1_T", n)), n, 4);
        grid->addWidget(make(*row.C, channelName("out%1_C", n)), n, 5);
        grid->addWidget(make(*row.M, channelName("out%1_M", n)), n, 6);
        grid->addWidget(make(*row.S, channelName("out%1_S", n)), n, 7);
        (*row.W)->setMinimumContentsLength(14);
        for (QComboBox* l : {*row.B, *row.T, *row.C, *row.S})
            l->setMinimumContentsLength(7);
        // Source 0 "Wyjście nieaktywne" at start: only the source list is enabled.
        for (QWidget* w : {static_cast<QWidget*>(*row.B), static_cast<QWidget*>(*row.N),
                           static_cast<QWidget*>(*row.T), static_cast<QWidget*>(*row.C),
                           static_cast<QWidget*>(*row.M), static_cast<QWidget*>(*row.S)})
            w->setEnabled(false);
    }
    grid->setColumnStretch(1, 3);
    for (int c = 2; c <= 7; ++c)
        grid->setColumnStretch(c, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(make(BitBtn43, "BitBtn43"));
    buttons->addWidget(make(BitBtn44, "BitBtn44"));
    grid->addLayout(buttons, 7, 0, 1, 8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(GroupBox9);
    layout->addStretch(1);

    retranslate();
}

void OutputsPage::retranslate()
{
    GroupBox9->setTitle(tr("Wyjścia tranzystorowe - konfiguracja"));
    Label58->setText(tr("Rejestr do porównania"));
    Label45->setText(tr("Warunek 1"));
    Label46->setText(tr("Wartość do warunku 1"));
    Label50->setText(tr("Suma/iloczyn warunków"));
    Label51->setText(tr("Warunek 2"));
    Label52->setText(tr("Wartość do warunku 2"));
    Label57->setText(tr("Stan wyjścia gdy warunki spełnione"));
    Label68->setText(tr("T1"));
    Label69->setText(tr("T2"));
    Label70->setText(tr("T3"));
    Label71->setText(tr("T4"));
    Label72->setText(tr("T5"));
    Label73->setText(tr("T6"));
    BitBtn43->setText(tr("Zapisz"));
    BitBtn44->setText(tr("Odczytaj"));

    // Source codes: 0 inactive, 1 always active, 2..15 the measured sources.
    const QStringList sources{
        tr("Wyjście nieaktywne"), tr("Wyjście zawsze aktywne"),
        tr("ADC [1] "), tr("ADC [2]"), tr("ADC [3] "), tr("ADC [4]"),
        tr("ADC [1] (uśredniona)"), tr("ADC [2] (uśredniona)"), tr("ADC [3] (uśredniona)"),
        tr("ADC [4] (uśredniona)"), tr("ENKODER [1] (pozycja) "), tr("ENKODER [2] (pozycja) "),
        tr("ENKODER [1] (prędkość) "), tr("ENKODER [2] (prędkość) "), tr("MATH [1]"), tr("MATH [2]"),
    };
    const QStringList conditions{tr("mniejsza"), tr("większa")};
    const QStringList combinations{tr("---"), tr("suma logiczna [and]"), tr("iloczyn logiczny [or]")};
    const QStringList states{tr("Nieaktywne"), tr("Aktywne")};
    for (QComboBox* l : {out1_W, out2_W, out3_W, out4_W, out5_W, out6_W})
        setItems(l, sources);
    for (QComboBox* l : {out1_B, out1_C, out2_B, out2_C, out3_B, out3_C, out4_B, out4_C, out5_B, out5_C, out6_B, out6_C})
        setItems(l, conditions);
    for (QComboBox* l : {out1_T, out2_T, out3_T, out4_T, out5_T, out6_T})
        setItems(l, combinations);
    for (QComboBox* l : {out1_S, out2_S, out3_S, out4_S, out5_S, out6_S})
        setItems(l, states);
}
