#include "app/pages/TriggerPage.h"

#include "app/pages/ConfigGrid.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace configgrid;

TriggerPage::TriggerPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Wyzwalania"));

    GroupBox10 = named(new QGroupBox, "GroupBox10");
    auto* grid = new QGridLayout(GroupBox10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int r = 0;
    auto addRow = [&](QLabel*& rowLabel, const char* labelName, QWidget* control, QPushButton*& save,
                      const char* saveName, QPushButton*& read, const char* readName) {
        grid->addWidget(rowLabel = label(labelName), r, 0);
        grid->addWidget(control, r, 1);
        grid->addWidget(make(save, saveName), r, 2);
        grid->addWidget(make(read, readName), r, 3);
        ++r;
    };
    addRow(Label76, "Label76", make(trig_master_mode, "trig_master_mode"), BitBtn9, "BitBtn9", BitBtn10, "BitBtn10");
    addRow(Label61, "Label61", make(trigger_filter, "trigger_filter"), BitBtn55, "BitBtn55", BitBtn56, "BitBtn56");
    addRow(Label60, "Label60", make(trigger_mode, "trigger_mode"), BitBtn53, "BitBtn53", BitBtn54, "BitBtn54");
    addRow(Label59, "Label59", make(trigger_time, "trigger_time"), BitBtn45, "BitBtn45", BitBtn46, "BitBtn46");
    addRow(Label77, "Label77", make(trig_master_type_1, "trig_master_type_1"), button_trigmastetype_1,
           "button_trigmastetype_1", BitBtn12, "BitBtn12");
    addRow(Label78, "Label78", make(trig_master_type_2, "trig_master_type_2"), button_trigmastetype_2,
           "button_trigmastetype_2", BitBtn14, "BitBtn14");
    grid->setColumnStretch(1, 1);
    for (QComboBox* l : {trig_master_mode, trigger_mode, trig_master_type_1, trig_master_type_2})
        l->setMinimumContentsLength(30);

    DebugMemo = named(new QPlainTextEdit, "DebugMemo");
    DebugMemo->setReadOnly(true);
    DebugMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DebugMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DebugMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(11);
    DebugMemo->setFont(courier);
    DebugMemo->viewport()->installEventFilter(this);
    DebugMemo->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(GroupBox10);
    layout->addWidget(DebugMemo, 1);
    layout->addStretch(1);

    retranslate();
}

bool TriggerPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DebugMemo->viewport() && event->type() == QEvent::MouseButtonRelease)
        emit debugMemoClicked();
    return QWidget::eventFilter(watched, event);
}

void TriggerPage::retranslate()
{
    GroupBox10->setTitle(tr("Wyzwalanie pomiarów - konfiguracja"));
    Label76->setText(tr("Tryb pracy wejść wyzwalających"));
    Label61->setText(tr("Filtracja wejścia wyzwalającego [ms]"));
    Label60->setText(tr("Tryb wyzwalania transmisji danych"));
    Label59->setText(tr("Czas pomiędzy wysyłaniem pomiarów [ms]"));
    Label77->setText(tr("Typ rejestru do zapisu 1"));
    Label78->setText(tr("Typ rejestru do zapisu 2"));
    for (QPushButton* b : {BitBtn9, BitBtn55, BitBtn53, BitBtn45, button_trigmastetype_1, button_trigmastetype_2})
        b->setText(tr("Zapisz"));
    for (QPushButton* b : {BitBtn10, BitBtn56, BitBtn54, BitBtn46, BitBtn12, BitBtn14})
        b->setText(tr("Odczytaj"));

    // MasterMode codes 0..1, TriggerMode codes 0..2, MasterRegisterType codes 0..13.
    setItems(trig_master_mode, {tr("Wyzwalanie + zapis do rejestrów MODBUS"),
                                tr("Cykliczny zapis do rejestrów MODBUS")});
    setItems(trigger_mode, {tr("Transmisja ciągła"), tr("Transmisja, gdy wejście 1 jest aktywne"),
                            tr("Transmisja pojedyńcza na zbocze narastające")});
    const QStringList sources{
        tr("ADC [1] "), tr("ADC [2]"), tr("ADC [3] "), tr("ADC [4]"),
        tr("ADC [1] (uśredniona)"), tr("ADC [2] (uśredniona)"), tr("ADC [3] (uśredniona)"),
        tr("ADC [4] (uśredniona)"), tr("ENKODER [1] (pozycja) "), tr("ENKODER [2] (pozycja) "),
        tr("ENKODER [1] (prędkość) "), tr("ENKODER [2] (prędkość) "), tr("MATH [1]"), tr("MATH [2]"),
    };
    setItems(trig_master_type_1, sources);
    setItems(trig_master_type_2, sources);
}
