#include "app/pages/MathPage.h"

#include "app/pages/ConfigGrid.h"
#include "app/pages/ValueGroups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

using namespace configgrid;

MathPage::MathPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet7"));

    GroupBox7 = named(new QGroupBox, "GroupBox7");
    auto* grid = new QGridLayout(GroupBox7);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);

    Label42 = label("Label42");
    Label41 = label("Label41");
    for (QLabel* head : {Label42, Label41}) {
        head->setAlignment(Qt::AlignCenter);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
    }
    grid->addWidget(Label42, 0, 1);
    grid->addWidget(Label41, 0, 2);

    // Each cell: the control, its "Zapisz", and where the row has one, its "Odczytaj".
    grid->addWidget(Label43 = label("Label43"), 1, 0);
    addCell(grid, 1, 1, make(math_mode_1, "math_mode_1"), make(button_mathmode1, "button_mathmode1"),
            make(BitBtn47, "BitBtn47"));
    addCell(grid, 1, 2, make(math_mode_2, "math_mode_2"), make(button_mathmode2, "button_mathmode2"),
            make(BitBtn41, "BitBtn41"));
    grid->addWidget(Label44 = label("Label44"), 2, 0);
    addCell(grid, 2, 1, make(math_name_1, "math_name_1"), make(BitBtn48, "BitBtn48"));
    addCell(grid, 2, 2, make(math_name_2, "math_name_2"), make(BitBtn50, "BitBtn50"));
    grid->addWidget(Label47 = label("Label47"), 3, 0);
    addCell(grid, 3, 1, make(math_unit_1, "math_unit_1"), make(BitBtn42, "BitBtn42"));
    addCell(grid, 3, 2, make(math_unit_2, "math_unit_2"), make(BitBtn49, "BitBtn49"));
    grid->addWidget(Label48 = label("Label48"), 4, 0);
    addCell(grid, 4, 1, make(math_m_mode_1, "math_m_mode_1"), make(button_mathmmode1, "button_mathmmode1"),
            make(BitBtn6, "BitBtn6"));
    addCell(grid, 4, 2, make(math_m_mode_2, "math_m_mode_2"), make(button_mathmmode2, "button_mathmmode2"),
            make(BitBtn8, "BitBtn8"));
    grid->addWidget(Label49 = label("Label49"), 5, 0);
    addCell(grid, 5, 1, make(math_offset_1, "math_offset_1"), make(button_mathoffset1, "button_mathoffset1"),
            make(BitBtn58, "BitBtn58"));
    addCell(grid, 5, 2, make(math_offset_2, "math_offset_2"), make(button_mathoffset2, "button_mathoffset2"),
            make(BitBtn57, "BitBtn57"));
    // The calibration row has wide buttons under its boxes.
    grid->addWidget(Label74 = label("Label74"), 6, 0);
    grid->addWidget(make(math_calib_1, "math_calib_1"), 6, 1);
    grid->addWidget(make(math_calib_2, "math_calib_2"), 6, 2);
    make(button_calib1, "button_calib1");
    make(button_calib2, "button_calib2");
    for (QPushButton* wide : {button_calib1, button_calib2})
        wide->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(button_calib1, 7, 1);
    grid->addWidget(button_calib2, 7, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    GroupBox8 = new MathValuesGroup;
    layout->addWidget(GroupBox8);
    layout->addWidget(GroupBox7);
    layout->addStretch(1);

    retranslate();
}

void MathPage::retranslate()
{
    GroupBox8->retranslate();
    GroupBox7->setTitle(tr("Funkcje matematyczne - konfiguracja"));
    Label42->setText(tr("MATH 1"));
    Label41->setText(tr("MATH 2"));
    Label43->setText(tr("Tryb pracy"));
    Label44->setText(tr("Nazwa operacji"));
    Label47->setText(tr("Jednostka operacji"));
    Label48->setText(tr("Rejestr M1...2"));
    Label49->setText(tr("Współczynnik m1...2"));
    Label74->setText(tr("Rejestr kalibracyjny"));
    for (QPushButton* b : {button_mathmode1, button_mathmode2, BitBtn48, BitBtn50, BitBtn42, BitBtn49,
                           button_mathmmode1, button_mathmmode2, button_mathoffset1, button_mathoffset2})
        b->setText(tr("Zapisz"));
    for (QPushButton* b : {BitBtn47, BitBtn41, BitBtn6, BitBtn8, BitBtn58, BitBtn57})
        b->setText(tr("Odczytaj"));
    button_calib1->setText(tr("Kalibracja M1"));
    button_calib2->setText(tr("Kalibracja M2"));

    // Codes 0..24 (MathMode) and 0..11 (MathRegister): the position is the code.
    const QStringList math1{
        tr("ADC1 + ADC2"),
        tr("ADC1 - ADC2"),
        tr("-ADC1 - ADC2"),
        tr("M1 - ADC1 - ADC2"),
        tr("M1 + ADC1 + ADC2"),
        tr("M1 + ADC1 - ADC2"),
        tr("M1 + ADC1"),
        tr("M1 + ADC2"),
        tr("M1 - ADC1"),
        tr("M1 - ADC2"),
        tr("M1 * (ACD1 + ADC2)"),
        tr("M1 * (ACD1 - ADC2)"),
        tr("ADC3 + ADC4"),
        tr("ADC3 - ADC4"),
        tr("-ADC3 - ADC4"),
        tr("M1 - ADC3 - ADC4"),
        tr("M1 + ADC3 + ADC4"),
        tr("M1 + ADC3 - ADC4"),
        tr("M1 + ADC3"),
        tr("M1 + ADC4"),
        tr("M1 - ADC3"),
        tr("M1 - ADC4"),
        tr("M1  * (ACD3 + ADC4)"),
        tr("M1 * (ACD3 - ADC4)"),
        tr("M1"),
    };
    const QStringList math2{
        tr("ADC1 + ADC2"),
        tr("ADC1 - ADC2"),
        tr("-ADC1 - ADC2"),
        tr("M2 - ADC1 - ADC2"),
        tr("M2 + ADC1 + ADC2"),
        tr("M2 + ADC1 - ADC2"),
        tr("M2 + ADC1"),
        tr("M2 + ADC2"),
        tr("M2 - ADC1"),
        tr("M2 - ADC2"),
        tr("M2 * (ACD1 + ADC2)"),
        tr("M2 * (ACD1 - ADC2)"),
        tr("ADC3 + ADC4"),
        tr("ADC3 - ADC4"),
        tr("-ADC3 - ADC4"),
        tr("M2 - ADC3 - ADC4"),
        tr("M2 + ADC3 + ADC4"),
        tr("M2 + ADC3 - ADC4"),
        tr("M2 + ADC3"),
        tr("M2 + ADC4"),
        tr("M2 - ADC3"),
        tr("M2 - ADC4"),
        tr("M2 * (ACD3 + ADC4)"),
        tr("M2 * (ACD3 - ADC4)"),
        tr("M2"),
    };
    const QStringList register1{
        tr("Współczynnik m1"),
        tr("ENC1"),
        tr("ENC2"),
        tr("ENC + ENC2"),
        tr("ENC1 - ENC2"),
        tr("ENC2 - ENC1"),
        tr("m1 * ENC1"),
        tr("m1 * ENC2"),
        tr("m1 * (ENC + ENC2)"),
        tr("m1 * (ENC1 - ENC2)"),
        tr("m1 * (ENC2 - ENC1)"),
        tr("ABS(VENC1 - VENC2)"),
    };
    const QStringList register2{
        tr("Współczynnik m2"),
        tr("ENC1"),
        tr("ENC2"),
        tr("ENC + ENC2"),
        tr("ENC1 - ENC2"),
        tr("ENC2 - ENC1"),
        tr("m2 * ENC1"),
        tr("m2 * ENC2"),
        tr("m2 * (ENC + ENC2)"),
        tr("m2 * (ENC1 - ENC2)"),
        tr("m2 * (ENC2 - ENC1)"),
        tr("ABS(VENC1 - VENC2)"),
    };
    setItems(math_mode_1, math1);
    setItems(math_mode_2, math2);
    setItems(math_m_mode_1, register1);
    setItems(math_m_mode_2, register2);
}
