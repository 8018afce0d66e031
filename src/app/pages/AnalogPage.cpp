#include "app/pages/AnalogPage.h"

#include "app/pages/ConfigGrid.h"
#include "app/pages/ValueGroups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <array>

using namespace configgrid;

AnalogPage::AnalogPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));

    GroupBox2 = named(new QGroupBox, "GroupBox2");
    auto* grid = new QGridLayout(GroupBox2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    // Column heads: "ADC n" with its read button (AdcConfig, id 17).
    QLabel** heads[] = {&Label32, &Label38, &Label39, &Label40};
    const char* headNames[] = {"Label32", "Label38", "Label39", "Label40"};
    QPushButton** reads[] = {&BitBtn15, &BitBtn21, &BitBtn27, &BitBtn33};
    const char* readNames[] = {"BitBtn15", "BitBtn21", "BitBtn27", "BitBtn33"};
    for (int c = 0; c < 4; ++c) {
        *heads[c] = label(headNames[c]);
        (*heads[c])->setAlignment(Qt::AlignCenter);
        QFont bold = (*heads[c])->font();
        bold.setBold(true);
        (*heads[c])->setFont(bold);
        *reads[c] = button(readNames[c]);
        addCell(grid, 0, 1 + c, *heads[c], *reads[c]);
    }

    // Rows, top to bottom; every cell is the channel's control and its "Zapisz".
    int r = 1;
    auto addRow = [&](QLabel*& rowLabel, const char* labelName, auto controls, const char* controlPattern,
                      std::array<QPushButton**, 4> buttons, const char* buttonPattern) {
        rowLabel = label(labelName);
        grid->addWidget(rowLabel, r, 0);
        for (int c = 0; c < 4; ++c)
            addCell(grid, r, 1 + c, make(*controls[c], channelName(controlPattern, c + 1)),
                    make(*buttons[c], channelName(buttonPattern, c + 1)));
        ++r;
    };
    addRow(Label37, "Label37", std::array{&adc_mode_1, &adc_mode_2, &adc_mode_3, &adc_mode_4}, "adc_mode_%1",
           {&button_adcmode1, &button_adcmode2, &button_adcmode3, &button_adcmode4}, "button_adcmode%1");
    addRow(Label36, "Label36", std::array{&adc_filter1_1, &adc_filter1_2, &adc_filter1_3, &adc_filter1_4},
           "adc_filter1_%1", {&button_filter11, &button_filter12, &button_filter13, &button_filter14},
           "button_filter1%1");
    addRow(Label35, "Label35", std::array{&adc_filter2_1, &adc_filter2_2, &adc_filter2_3, &adc_filter2_4},
           "adc_filter2_%1", {&button_filter21, &button_filter22, &button_filter23, &button_filter24},
           "button_filter2%1");
    addRow(Label34, "Label34", std::array{&adc_coeff_1, &adc_coeff_2, &adc_coeff_3, &adc_coeff_4}, "adc_coeff_%1",
           {&button_adccoeff1, &button_adccoeff2, &button_adccoeff3, &button_adccoeff4}, "button_adccoeff%1");
    addRow(Label33, "Label33", std::array{&adc_offset_1, &adc_offset_2, &adc_offset_3, &adc_offset_4},
           "adc_offset_%1", {&button_adcoffset1, &button_adcoffset2, &button_adcoffset3, &button_adcoffset4},
           "button_adcoffset%1");
    addRow(Label8, "Label8", std::array{&adc_offset_21, &adc_offset_22, &adc_offset_23, &adc_offset_24},
           "adc_offset_2%1",
           {&button_adcoffset21, &button_adcoffset22, &button_adcoffset23, &button_adcoffset24},
           "button_adcoffset2%1");
    addRow(Label79, "Label79", std::array{&adc_unit_1, &adc_unit_2, &adc_unit_3, &adc_unit_4}, "adc_unit_%1",
           {&button_adcunit1, &button_adcunit2, &button_adcunit3, &button_adcunit4}, "button_adcunit%1");
    Label75 = label("Label75");
    grid->addWidget(Label75, r, 0, 1, 5);
    for (int c = 1; c <= 4; ++c)
        grid->setColumnStretch(c, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    GroupBox6 = new AnalogValuesGroup;
    layout->addWidget(GroupBox6);
    layout->addWidget(GroupBox2);
    layout->addStretch(1);

    retranslate();
}

void AnalogPage::retranslate()
{
    GroupBox6->retranslate();
    GroupBox2->setTitle(tr("Wejścia analogowe - konfiguracja"));
    Label32->setText(tr("ADC 1"));
    Label38->setText(tr("ADC 2"));
    Label39->setText(tr("ADC 3"));
    Label40->setText(tr("ADC 4"));
    for (QPushButton* b : {BitBtn15, BitBtn21, BitBtn27, BitBtn33})
        b->setText(tr("Odczytaj"));
    Label37->setText(tr("Tryb pracy"));
    Label36->setText(tr("Filtr ciągły [smp]"));
    Label35->setText(tr("Filtr uśredniający [smp] "));
    Label34->setText(tr("Mnożnik [Coeff]"));
    Label33->setText(tr("Przesunięcie 1 [Offset]"));
    Label8->setText(tr("Przesunięcie 2 [Offset]"));
    Label79->setText(tr("Jednostka pomiaru"));
    Label75->setText(tr("Wartość pomiaru ADC = (ADCx + Przesunięcie1) * Mnożnik + Przesuniecie2"));
    const QStringList modes{tr("0~10 V"), tr("0~20 mA")};
    for (QComboBox* l : {adc_mode_1, adc_mode_2, adc_mode_3, adc_mode_4})
        setItems(l, modes);
    for (QPushButton* b : {button_adcmode1, button_adcmode2, button_adcmode3, button_adcmode4,
                           button_filter11, button_filter12, button_filter13, button_filter14,
                           button_filter21, button_filter22, button_filter23, button_filter24,
                           button_adccoeff1, button_adccoeff2, button_adccoeff3, button_adccoeff4,
                           button_adcoffset1, button_adcoffset2, button_adcoffset3, button_adcoffset4,
                           button_adcoffset21, button_adcoffset22, button_adcoffset23, button_adcoffset24,
                           button_adcunit1, button_adcunit2, button_adcunit3, button_adcunit4})
        b->setText(tr("Zapisz"));
}
