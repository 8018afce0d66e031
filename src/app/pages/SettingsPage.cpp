#include "app/pages/SettingsPage.h"

#include "app/pages/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* boldLabel(const char* name)
{
    auto* label = named(new QLabel, name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));

    // ---- left half: the measurement file ----
    GroupBox14 = named(new QGroupBox, "GroupBox14");
    auto* fileLayout = new QVBoxLayout(GroupBox14);
    fileLayout->setSpacing(1);
    save_auto = named(new QCheckBox, "save_auto");
    save_date = named(new QCheckBox, "save_date");
    save_time = named(new QCheckBox, "save_time");
    save_cnt = named(new QCheckBox, "save_cnt");
    save_cntmod = named(new QCheckBox, "save_cntmod");
    static const char* adcNames[] = {"save_adc1", "save_adc2", "save_adc3", "save_adc4"};
    static const char* avgNames[] = {"save_adc1avg", "save_adc2avg", "save_adc3avg", "save_adc4avg"};
    for (int i = 0; i < 4; ++i) {
        save_adc[i] = named(new QCheckBox, adcNames[i]);
        save_adcavg[i] = named(new QCheckBox, avgNames[i]);
    }
    save_enc1p = named(new QCheckBox, "save_enc1p");
    save_enc2p = named(new QCheckBox, "save_enc2p");
    save_enc1v = named(new QCheckBox, "save_enc1v");
    save_enc2v = named(new QCheckBox, "save_enc2v");
    save_math1 = named(new QCheckBox, "save_math1");
    save_math2 = named(new QCheckBox, "save_math2");
    save_output = named(new QCheckBox, "save_output");

    edit_mod = named(new QLineEdit, "edit_mod");
    edit_mod->setMaxLength(8);
    edit_mod->setFixedWidth(70);
    BitBtn5 = named(new QToolButton, "BitBtn5");
    BitBtn5->setIconSize(QSize(16, 16));
    file_name_edit = named(new QLineEdit, "file_name_edit");
    file_name_edit->setReadOnly(true);
    file_name_button = named(new QToolButton, "file_name_button");
    file_name_button->setIconSize(QSize(16, 16));
    file_name_button->setAutoRaise(true);

    fileLayout->addWidget(save_auto);
    fileLayout->addSpacing(6);
    for (QCheckBox* box : recordFieldBoxes()) {
        if (box == save_cntmod) {
            auto* row = new QHBoxLayout;
            row->addWidget(save_cntmod, 1);
            row->addWidget(edit_mod);
            row->addWidget(BitBtn5);
            fileLayout->addLayout(row);
        } else {
            fileLayout->addWidget(box);
        }
    }
    fileLayout->addStretch(1);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_name_edit, 1);
    fileRow->addWidget(file_name_button);
    fileLayout->addLayout(fileRow);

    // ---- right half ----
    GroupBox15 = named(new QGroupBox, "GroupBox15");
    CheckBox1 = named(new QCheckBox, "CheckBox1");
    CheckBox1->setChecked(true);
    CheckBox1->setEnabled(false);
    ListBox1 = named(new QListWidget, "ListBox1");
    ListBox1->setSortingEnabled(true);
    auto* usbLayout = new QVBoxLayout(GroupBox15);
    usbLayout->addWidget(CheckBox1);
    usbLayout->addWidget(ListBox1);

    GroupBox16 = named(new QGroupBox, "GroupBox16");
    Label7 = named(new QLabel, "Label7");
    DivBox = named(new QComboBox, "DivBox");
    DivBox->addItems({"0", "1", "2", "3", "4"});
    DivBox->setCurrentIndex(3);
    Label83 = named(new QLabel, "Label83");
    ChartTime = named(new QLineEdit, "ChartTime");
    ChartTime->setReadOnly(true);
    ChartTime->setText(QStringLiteral("1"));
    ChartTime->setFixedWidth(50);
    UpDown = named(new UpDownControl, "UpDown");
    UpDown->setRange(1, 600);
    UpDown->setPosition(1);
    connect(UpDown, &UpDownControl::positionChanged, this,
            [this](int position) { ChartTime->setText(QString::number(position)); });
    auto* displayLayout = new QGridLayout(GroupBox16);
    displayLayout->addWidget(Label7, 0, 0);
    displayLayout->addWidget(DivBox, 0, 1, 1, 2);
    displayLayout->addWidget(Label83, 1, 0);
    displayLayout->addWidget(ChartTime, 1, 1);
    displayLayout->addWidget(UpDown, 1, 2);
    displayLayout->setColumnStretch(0, 1);

    GroupBox17 = named(new QGroupBox, "GroupBox17");
    Label55 = boldLabel("Label55");
    ver_pc = named(new QLabel(QStringLiteral("...")), "ver_pc");
    Label56 = boldLabel("Label56");
    ver_firm = named(new QLabel(QStringLiteral("...")), "ver_firm");
    BitBtn7 = named(new QPushButton, "BitBtn7");
    auto* versionLayout = new QGridLayout(GroupBox17);
    versionLayout->addWidget(Label55, 0, 0);
    versionLayout->addWidget(ver_pc, 0, 1);
    versionLayout->addWidget(Label56, 1, 0);
    versionLayout->addWidget(ver_firm, 1, 1);
    versionLayout->addWidget(BitBtn7, 0, 2, 2, 1, Qt::AlignVCenter);
    versionLayout->setColumnStretch(1, 1);

    GroupBox18 = named(new QGroupBox, "GroupBox18");
    Label81 = boldLabel("Label81");
    label_temperature = named(new QLabel(QStringLiteral("...")), "label_temperature");
    auto* tempLayout = new QHBoxLayout(GroupBox18);
    tempLayout->addWidget(Label81);
    tempLayout->addWidget(label_temperature, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox15, 1);
    right->addWidget(GroupBox16);
    right->addWidget(GroupBox17);
    right->addWidget(GroupBox18);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(GroupBox14, 1);
    layout->addLayout(right, 1);

    retranslate();
}

std::array<QCheckBox*, 19> SettingsPage::recordFieldBoxes() const
{
    return {save_date,      save_time,      save_cnt,       save_cntmod,    save_adc[0],
            save_adc[1],    save_adc[2],    save_adc[3],    save_adcavg[0], save_adcavg[1],
            save_adcavg[2], save_adcavg[3], save_enc1p,     save_enc2p,     save_enc1v,
            save_enc2v,     save_math1,     save_math2,     save_output};
}

void SettingsPage::retranslate()
{
    GroupBox14->setTitle(tr("Zapis do pliku"));
    save_auto->setText(tr("Automatycznie rozpocznij zapis do pliku przy starcie programu"));
    save_date->setText(tr("Rejestru do pliku:     datę [rrrr-mm-dd]"));
    save_time->setText(tr("Rejestru do pliku:     godzinę [gg:mm:ss:milisekunda]"));
    save_cnt->setText(tr("Rejestru do pliku:     licznik pomiarów"));
    save_cntmod->setText(tr("Rejestru do pliku:     licznik pomiarów MOD zmienna: "));
    save_adc[0]->setText(tr("Rejestru do pliku:     wartość ADC 1"));
    save_adc[1]->setText(tr("Rejestru do pliku:     wartość ADC 2"));
    save_adc[2]->setText(tr("Rejestru do pliku:     wartość ADC 3"));
    save_adc[3]->setText(tr("Rejestru do pliku:     wartość ADC 4 "));
    save_adcavg[0]->setText(tr("Rejestru do pliku:     wartość ADC 1 (uśredniona)"));
    save_adcavg[1]->setText(tr("Rejestru do pliku:     wartość ADC 2 (uśredniona)"));
    save_adcavg[2]->setText(tr("Rejestru do pliku:     wartość ADC 3 (uśredniona)"));
    save_adcavg[3]->setText(tr("Rejestru do pliku:     wartość ADC 4 (uśredniona)"));
    save_enc1p->setText(tr("Rejestru do pliku:     pozycja ENKODER 1 "));
    save_enc2p->setText(tr("Rejestru do pliku:     pozycja ENKODER 2"));
    save_enc1v->setText(tr("Rejestru do pliku:     prędkość ENKODER 1 "));
    save_enc2v->setText(tr("Rejestru do pliku:     prędkość ENKODER 2"));
    save_math1->setText(tr("Rejestru do pliku:     wartość MATH 1"));
    save_math2->setText(tr("Rejestru do pliku:     wartość MATH 2"));
    save_output->setText(tr("Rejestru do pliku:     stan wyjść tranzystorowych"));

    GroupBox15->setTitle(tr("Połączenie USB"));
    CheckBox1->setText(tr("Połącz z urządzeniem przy starcie programu"));
    GroupBox16->setTitle(tr("Ustawienie wyświetlania"));
    Label7->setText(tr("Położenie kropki dziesiętnej"));
    Label83->setText(tr("Szerokość wykresu [s]"));
    GroupBox17->setTitle(tr("Wersja oprogramowania"));
    Label55->setText(tr("Program PC:"));
    Label56->setText(tr("Firmware:"));
    BitBtn7->setText(tr("Odczytaj"));
    GroupBox18->setTitle(tr("Temperatura układu"));
    Label81->setText(tr("Temperatura:"));
}
