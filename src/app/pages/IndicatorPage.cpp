#include "app/pages/IndicatorPage.h"

#include "app/Colours.h"
#include "app/pages/Lamp.h"
#include "app/pages/ValueGroups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using trv630::makeChannelLabel;
using trv630::makeIndicatorBox;

namespace {

constexpr int indicatorPixels = 27;

QGroupBox* group(const char* objectName, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

/// A lamp label in the window font.
QLabel* lampLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

Lamp* lamp(const QString& objectName, QWidget* parent)
{
    auto* l = new Lamp(parent);
    l->setObjectName(objectName);
    return l;
}

/// "MATH n" with its math-name label under it.
QVBoxLayout* mathCaption(QLabel* label, QLabel* name)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(label);
    column->addWidget(name);
    return column;
}

} // namespace

IndicatorPage::IndicatorPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    const auto analog = trv630::analogValueColour;
    const auto math = trv630::mathValueColour;
    const auto position = trv630::positionValueColour;
    const auto velocity = trv630::velocityValueColour;

    // ---- GroupBox3: analog inputs and math channels ----
    GroupBox3 = group("GroupBox3", this);
    Label1 = makeChannelLabel("Label1", GroupBox3);
    Label2 = makeChannelLabel("Label2", GroupBox3);
    Label3 = makeChannelLabel("Label3", GroupBox3);
    Label4 = makeChannelLabel("Label4", GroupBox3);
    Edit1adc1 = makeIndicatorBox("Edit1adc1", analog, indicatorPixels, true, GroupBox3);
    Edit1adc2 = makeIndicatorBox("Edit1adc2", analog, indicatorPixels, true, GroupBox3);
    Edit1adc3 = makeIndicatorBox("Edit1adc3", analog, indicatorPixels, true, GroupBox3);
    Edit1adc4 = makeIndicatorBox("Edit1adc4", analog, indicatorPixels, true, GroupBox3);
    Label5 = makeChannelLabel("Label5", GroupBox3);
    math_name01 = makeChannelLabel("math_name01", GroupBox3);
    Edit1math1 = makeIndicatorBox("Edit1math1", math, indicatorPixels, true, GroupBox3);
    Label6 = makeChannelLabel("Label6", GroupBox3);
    math_name02 = makeChannelLabel("math_name02", GroupBox3);
    Edit1math2 = makeIndicatorBox("Edit1math2", math, indicatorPixels, true, GroupBox3);
    math_name01->setText(QStringLiteral("[...]")); // names are set at start-up
    math_name02->setText(QStringLiteral("[...]"));

    auto* analogGrid = new QGridLayout(GroupBox3);
    analogGrid->setVerticalSpacing(3);
    analogGrid->setHorizontalSpacing(16);
    analogGrid->addWidget(Label1, 0, 0, 1, 2);
    analogGrid->addWidget(Edit1adc1, 1, 0, 1, 2);
    analogGrid->addWidget(Label2, 0, 2, 1, 2);
    analogGrid->addWidget(Edit1adc2, 1, 2, 1, 2);
    analogGrid->addWidget(Label3, 2, 0, 1, 2);
    analogGrid->addWidget(Edit1adc3, 3, 0, 1, 2);
    analogGrid->addWidget(Label4, 2, 2, 1, 2);
    analogGrid->addWidget(Edit1adc4, 3, 2, 1, 2);
    analogGrid->setRowMinimumHeight(4, 8);
    analogGrid->addLayout(mathCaption(Label5, math_name01), 5, 0);
    analogGrid->addWidget(Edit1math1, 5, 1);
    analogGrid->addLayout(mathCaption(Label6, math_name02), 5, 2);
    analogGrid->addWidget(Edit1math2, 5, 3);
    analogGrid->setColumnStretch(1, 1);
    analogGrid->setColumnStretch(3, 1);

    // ---- GroupBox4: encoders ----
    GroupBox4 = group("GroupBox4", this);
    Label9 = makeChannelLabel("Label9", GroupBox4);
    Edit1_encp1 = makeIndicatorBox("Edit1_encp1", position, indicatorPixels, true, GroupBox4);
    Label10 = makeChannelLabel("Label10", GroupBox4);
    Edit1_encp2 = makeIndicatorBox("Edit1_encp2", position, indicatorPixels, true, GroupBox4);
    Label11 = makeChannelLabel("Label11", GroupBox4);
    Edit1_encv1 = makeIndicatorBox("Edit1_encv1", velocity, indicatorPixels, true, GroupBox4);
    Label12 = makeChannelLabel("Label12", GroupBox4);
    Edit1_encv2 = makeIndicatorBox("Edit1_encv2", velocity, indicatorPixels, true, GroupBox4);

    auto* encoderGrid = new QGridLayout(GroupBox4);
    encoderGrid->setVerticalSpacing(3);
    encoderGrid->setHorizontalSpacing(16);
    encoderGrid->addWidget(Label9, 0, 0);
    encoderGrid->addWidget(Edit1_encp1, 1, 0);
    encoderGrid->addWidget(Label10, 0, 1);
    encoderGrid->addWidget(Edit1_encp2, 1, 1);
    encoderGrid->addWidget(Label11, 2, 0);
    encoderGrid->addWidget(Edit1_encv1, 3, 0);
    encoderGrid->addWidget(Label12, 2, 1);
    encoderGrid->addWidget(Edit1_encv2, 3, 1);
    encoderGrid->setColumnStretch(0, 1);
    encoderGrid->setColumnStretch(1, 1);

    // ---- GroupBox11: transistor outputs T1 .. T6 ----
    GroupBox11 = group("GroupBox11", this);
    auto* outputRow = new QHBoxLayout(GroupBox11);
    for (int i = 0; i < 6; ++i) {
        outputLabels[i] = lampLabel(QStringLiteral("Label%1").arg(62 + i), GroupBox11);
        outputLabels[i]->setText(QStringLiteral("T%1").arg(i + 1));
        outputLamps[i] = lamp(QStringLiteral("Shape%1").arg(i + 1), GroupBox11);
        outputRow->addWidget(outputLabels[i]);
        outputRow->addWidget(outputLamps[i]);
        if (i < 5)
            outputRow->addSpacing(6);
    }

    // ---- GroupBox20: trigger inputs (not translated) ----
    GroupBox20 = group("GroupBox20", this);
    GroupBox20->setTitle(QStringLiteral("Wejścia trigger"));
    Label85 = lampLabel(QStringLiteral("Label85"), GroupBox20);
    Label85->setText(QStringLiteral("IN1"));
    Shape_IN1 = lamp(QStringLiteral("Shape_IN1"), GroupBox20);
    Label89 = lampLabel(QStringLiteral("Label89"), GroupBox20);
    Label89->setText(QStringLiteral("IN2"));
    Shape_IN2 = lamp(QStringLiteral("Shape_IN2"), GroupBox20);
    auto* triggerRow = new QHBoxLayout(GroupBox20);
    triggerRow->addWidget(Label85);
    triggerRow->addWidget(Shape_IN1);
    triggerRow->addSpacing(6);
    triggerRow->addWidget(Label89);
    triggerRow->addWidget(Shape_IN2);

    // ---- GroupBox13: logging state ----
    GroupBox13 = group("GroupBox13", this);
    save_label = new QLabel(GroupBox13);
    save_label->setObjectName(QStringLiteral("save_label"));
    save_label->setWordWrap(true);
    QFont stateFont = save_label->font();
    stateFont.setPixelSize(12);
    stateFont.setBold(true);
    save_label->setFont(stateFont);
    QPalette statePalette = save_label->palette();
    statePalette.setColor(QPalette::WindowText, trv630::fromWindowsColour(0x804000));
    save_label->setPalette(statePalette);
    save_button = new QToolButton(GroupBox13);
    save_button->setObjectName(QStringLiteral("save_button"));
    save_button->setFixedSize(36, 36);
    save_button->setIconSize(QSize(16, 15));
    auto* loggingRow = new QHBoxLayout(GroupBox13);
    loggingRow->addWidget(save_label, 1);
    loggingRow->addWidget(save_button);

    // ---- the page ----
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(GroupBox11);
    bottom->addWidget(GroupBox20);
    bottom->addWidget(GroupBox13, 1);
    // The page is taller than its groups: the spare height goes between them.
    auto* page = new QVBoxLayout(this);
    page->addWidget(GroupBox3);
    page->addStretch(1);
    page->addWidget(GroupBox4);
    page->addStretch(1);
    page->addLayout(bottom);
    page->addStretch(2);

    retranslate();
}

void IndicatorPage::retranslate()
{
    GroupBox3->setTitle(tr("Wejścia analogowe"));
    Label1->setText(tr("ADC 1"));
    Label2->setText(tr("ADC 2"));
    Label3->setText(tr("ADC 3"));
    Label4->setText(tr("ADC 4"));
    Label5->setText(tr("MATH 1"));
    Label6->setText(tr("MATH 2"));
    GroupBox4->setTitle(tr("Wejścia enkoderowe"));
    Label9->setText(tr("ENKODER 1 (pozycja)"));
    Label10->setText(tr("ENKODER 2 (pozycja)"));
    Label11->setText(tr("ENKODER 1 (prędkość)"));
    Label12->setText(tr("ENKODER 2 (prędkość)"));
    GroupBox11->setTitle(tr("Wyjścia tranzystorowe"));
    for (int i = 0; i < 6; ++i)
        outputLabels[i]->setText(tr("T%1").arg(i + 1));
    // The logging group shows its design text; the logging control writes the
    // state text again after a language switch.
    save_label->setText(tr("Zapis nieaktywny"));
}
