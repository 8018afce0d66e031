#include "app/pages/CommPage.h"

#include "app/pages/ConfigGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace configgrid;

CommPage::CommPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));

    GroupBox12 = named(new QGroupBox(QStringLiteral("Konfiguracja RS485 (MODBUS-RTU)")), "GroupBox12");
    auto* rs485 = new QGridLayout(GroupBox12);
    rs485->addWidget(Label24 = label("Label24"), 0, 0);
    rs485->addWidget(make(mod_adr, "mod_adr"), 0, 1);
    rs485->addWidget(make(BitBtn1, "BitBtn1"), 0, 2);
    rs485->addWidget(make(BitBtn2, "BitBtn2"), 0, 3);
    rs485->addWidget(Label23 = label("Label23"), 1, 0);
    rs485->addWidget(make(mod_br, "mod_br"), 1, 1);
    rs485->addWidget(make(BitBtn3, "BitBtn3"), 1, 2);
    rs485->addWidget(make(BitBtn4, "BitBtn4"), 1, 3);
    rs485->setColumnStretch(1, 1);
    Label24->setText(QStringLiteral("Adres"));
    Label23->setText(QStringLiteral("Prędkość "));
    QStringList addresses;
    for (int a = 1; a <= 247; ++a)
        addresses << QString::number(a);
    setItems(mod_adr, addresses);
    setItems(mod_br, {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                      QStringLiteral("56000"), QStringLiteral("57600"), QStringLiteral("115200")});

    GroupBox19 = named(new QGroupBox(QStringLiteral("Konfiguracja Ethernet (MODBUS -TCP/IP)")), "GroupBox19");
    auto* ethernet = new QGridLayout(GroupBox19);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(13);
    int r = 0;
    auto addAddress = [&](QLabel*& l, const char* labelName, const QString& caption, QLineEdit*& edit,
                          const char* editName) {
        ethernet->addWidget(l = label(labelName), r, 0);
        l->setText(caption);
        ethernet->addWidget(make(edit, editName), r, 1);
        edit->setFont(courier);
        ++r;
    };
    addAddress(Label86, "Label86", QStringLiteral("Adres IP VRT58"), MaskEdit_IP_Addr, "MaskEdit_IP_Addr");
    addAddress(Label87, "Label87", QStringLiteral("Maska podsieci"), MaskEdit_IP_Mask, "MaskEdit_IP_Mask");
    addAddress(Label88, "Label88", QStringLiteral("Brama domyślna"), MaskEdit_IP_Gate, "MaskEdit_IP_Gate");
    addAddress(Label84, "Label84", QStringLiteral("Port"), Edit1, "Edit1");
    Edit1->setText(QStringLiteral("502"));
    Edit1->setEnabled(false);
    Edit1->setFont(font());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(make(Btn_IPSave, "Btn_IPSave"));
    buttons->addWidget(make(Btn_IP_Read, "Btn_IP_Read"));
    ethernet->addLayout(buttons, r, 0, 1, 2);
    ethernet->setColumnStretch(1, 1);
    resetAddressBoxes();

    for (QPushButton* b : {BitBtn1, BitBtn3, Btn_IPSave})
        b->setText(QStringLiteral("Zapisz"));
    for (QPushButton* b : {BitBtn2, BitBtn4, Btn_IP_Read})
        b->setText(QStringLiteral("Odczytaj"));

    auto* columns = new QHBoxLayout;
    columns->addWidget(GroupBox12, 1, Qt::AlignTop);
    columns->addWidget(GroupBox19, 1, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(columns);
    layout->addStretch(1);
}

void CommPage::resetAddressBoxes()
{
    for (QLineEdit* edit : {MaskEdit_IP_Addr, MaskEdit_IP_Mask, MaskEdit_IP_Gate}) {
        edit->setInputMask(QString());
        edit->clear();
        edit->setInputMask(QString::fromLatin1(addressMask));
    }
}
