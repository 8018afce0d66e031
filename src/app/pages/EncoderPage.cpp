#include "app/pages/EncoderPage.h"

#include "app/pages/ConfigGrid.h"
#include "app/pages/ValueGroups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <array>

using namespace configgrid;

EncoderPage::EncoderPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet6"));

    GroupBox1 = named(new QGroupBox, "GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);

    // Column heads with the read button of each encoder (EncConfig, id 18).
    Label25 = label("Label25");
    Label26 = label("Label26");
    for (QLabel* head : {Label25, Label26}) {
        head->setAlignment(Qt::AlignCenter);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
    }
    addCell(grid, 0, 1, Label25, make(button_1, "button_1"));
    addCell(grid, 0, 2, Label26, make(button_2, "button_2"));

    int r = 1;
    auto addRow = [&](QLabel*& rowLabel, const char* labelName, auto controls, const char* controlPattern,
                      std::array<QPushButton**, 2> buttons, std::array<const char*, 2> buttonNames) {
        rowLabel = label(labelName);
        grid->addWidget(rowLabel, r, 0);
        for (int c = 0; c < 2; ++c)
            addCell(grid, r, 1 + c, make(*controls[c], channelName(controlPattern, c + 1)),
                    make(*buttons[c], buttonNames[c]));
        ++r;
    };
    addRow(Label27, "Label27", std::array{&enc_mode_1, &enc_mode_2}, "enc_mode_%1",
           {&button_encmode1, &button_encmode2}, {"button_encmode1", "button_encmode2"});
    addRow(Label28, "Label28", std::array{&enc_time_1, &enc_time_2}, "enc_time_%1",
           {&button_time1, &button_time2}, {"button_time1", "button_time2"});
    addRow(Label29, "Label29", std::array{&enc_resolution_1, &enc_resolution_2}, "enc_resolution_%1",
           {&button_resolution1, &button_resolution2}, {"button_resolution1", "button_resolution2"});
    addRow(Label30, "Label30", std::array{&enc_coeff_1, &enc_coeff_2}, "enc_coeff_%1",
           {&button_enccoeff1, &button_enccoeff2}, {"button_enccoeff1", "button_enccoeff2"});
    addRow(Label31, "Label31", std::array{&enc_offset_1, &enc_offset_2}, "enc_offset_%1",
           {&button_encoffset1, &button_encoffset2}, {"button_encoffset1", "button_encoffset2"});
    addRow(Label80, "Label80", std::array{&enc_unit_1, &enc_unit_2}, "enc_unit_%1", {&BitBtn11, &BitBtn13},
           {"BitBtn11", "BitBtn13"});

    // One wide "Zeruj pozycję" per column, then the scaling rule.
    make(button_encclear1, "button_encclear1");
    make(button_encclear2, "button_encclear2");
    for (QPushButton* wide : {button_encclear1, button_encclear2})
        wide->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(button_encclear1, r, 1);
    grid->addWidget(button_encclear2, r, 2);
    ++r;
    Label82 = label("Label82");
    grid->addWidget(Label82, r, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    GroupBox5 = new EncoderValuesGroup;
    layout->addWidget(GroupBox5);
    layout->addWidget(GroupBox1);
    layout->addStretch(1);

    retranslate();
}

void EncoderPage::retranslate()
{
    GroupBox5->retranslate();
    GroupBox1->setTitle(tr("Wejścia enkoderowe - konfiguracja"));
    Label25->setText(tr("Enkoder 1"));
    Label26->setText(tr("Enkoder 2"));
    button_1->setText(tr("Odczytaj parametry enkodera"));
    button_2->setText(tr("Odczytaj parametry enkodera"));
    Label27->setText(tr("Tryb pracy"));
    Label28->setText(tr("Czas bramkowania [ms]"));
    Label29->setText(tr("Rozdzielczość [imp]"));
    Label30->setText(tr("Mnożnik [Coeff]"));
    Label31->setText(tr("Przesunięcie [Offset]"));
    Label80->setText(tr("Jednostka pomiaru"));
    Label82->setText(tr("Wartość pomiaru ENC = ENCx * Mnożnik + Przesuniecie"));
    const QStringList modes{tr("Pozycja/prędkość [obr][obr/s]"), tr("Pozycja/prędkość [obr][obr/min]"),
                            tr("Pozycja/prędkość [mm][mm/s]"), tr("Pozycja/prędkość [mm][mm/min]")};
    setItems(enc_mode_1, modes);
    setItems(enc_mode_2, modes);
    for (QPushButton* b : {button_encmode1, button_encmode2, button_time1, button_time2, button_resolution1,
                           button_resolution2, button_enccoeff1, button_enccoeff2, button_encoffset1,
                           button_encoffset2, BitBtn11, BitBtn13})
        b->setText(tr("Zapisz"));
    button_encclear1->setText(tr("Zeruj pozycję"));
    button_encclear2->setText(tr("Zeruj pozycję"));
}
