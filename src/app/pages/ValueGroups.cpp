#include "app/pages/ValueGroups.h"

#include "app/Colours.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace trv630 {

QLineEdit* makeIndicatorBox(const char* objectName, std::uint32_t colour, int pixelSize, bool bold,
                            QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus); // selectable for copying, not a tab stop
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, fromWindowsColour(colour));
    box->setPalette(palette);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

QLabel* makeChannelLabel(const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    label->setFont(font);
    return label;
}

} // namespace trv630

using trv630::makeChannelLabel;
using trv630::makeIndicatorBox;

namespace {

constexpr int subPagePixels = 16;

/// "MATH n" followed by the math-name label, on one line.
QHBoxLayout* nameRow(QLabel* label, QLabel* name)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(name);
    row->addStretch(1);
    return row;
}

QLabel* mathNameLabel(const char* objectName, QWidget* parent)
{
    QLabel* label = makeChannelLabel(objectName, parent);
    label->setText(QStringLiteral("[...]")); // set from MathName1/2 at start-up
    return label;
}

} // namespace

AnalogValuesGroup::AnalogValuesGroup(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GroupBox6"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    Label17 = makeChannelLabel("Label17", this);
    Label18 = makeChannelLabel("Label18", this);
    Label19 = makeChannelLabel("Label19", this);
    Label20 = makeChannelLabel("Label20", this);
    const auto adc = trv630::analogValueColour;
    Edit2adc1 = makeIndicatorBox("Edit2adc1", adc, subPagePixels, false, this);
    Edit2adc2 = makeIndicatorBox("Edit2adc2", adc, subPagePixels, false, this);
    Edit2adc3 = makeIndicatorBox("Edit2adc3", adc, subPagePixels, false, this);
    Edit2adc4 = makeIndicatorBox("Edit2adc4", adc, subPagePixels, false, this);
    Label21 = makeChannelLabel("Label21", this);
    math_name11 = mathNameLabel("math_name11", this);
    Edit2math1 = makeIndicatorBox("Edit2math1", trv630::mathValueColour, subPagePixels, false, this);
    Label22 = makeChannelLabel("Label22", this);
    math_name12 = mathNameLabel("math_name12", this);
    Edit2math2 = makeIndicatorBox("Edit2math2", trv630::mathValueColour, subPagePixels, false, this);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    const std::array<QLabel*, 4> labels{Label17, Label18, Label19, Label20};
    const auto boxes = adcBoxes();
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(labels[i], 0, i);
        grid->addWidget(boxes[i], 1, i);
        grid->setColumnStretch(i, 1);
    }
    grid->setRowMinimumHeight(2, 6);
    grid->addLayout(nameRow(Label21, math_name11), 3, 0, 1, 2);
    grid->addLayout(nameRow(Label22, math_name12), 3, 2, 1, 2);
    grid->addWidget(Edit2math1, 4, 0, 1, 2);
    grid->addWidget(Edit2math2, 4, 2, 1, 2);
    retranslate();
}

void AnalogValuesGroup::retranslate()
{
    setTitle(tr("Wejścia analogowe - wskaźniki "));
    Label17->setText(tr("ADC 1"));
    Label18->setText(tr("ADC 2"));
    Label19->setText(tr("ADC 3"));
    Label20->setText(tr("ADC 4"));
    Label21->setText(tr("MATH 1"));
    Label22->setText(tr("MATH 2"));
}

EncoderValuesGroup::EncoderValuesGroup(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GroupBox5"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    const auto pos = trv630::positionValueColour;
    const auto vel = trv630::velocityValueColour;
    Label13 = makeChannelLabel("Label13", this);
    Edit2_encp1 = makeIndicatorBox("Edit2_encp1", pos, subPagePixels, false, this);
    Label15 = makeChannelLabel("Label15", this);
    Edit2_encv1 = makeIndicatorBox("Edit2_encv1", vel, subPagePixels, false, this);
    Label14 = makeChannelLabel("Label14", this);
    Edit2_encp2 = makeIndicatorBox("Edit2_encp2", pos, subPagePixels, false, this);
    Label16 = makeChannelLabel("Label16", this);
    Edit2_encv2 = makeIndicatorBox("Edit2_encv2", vel, subPagePixels, false, this);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    const std::array<QLabel*, 4> labels{Label13, Label15, Label14, Label16};
    const std::array<QLineEdit*, 4> boxes{Edit2_encp1, Edit2_encv1, Edit2_encp2, Edit2_encv2};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(labels[i], 0, i);
        grid->addWidget(boxes[i], 1, i);
        grid->setColumnStretch(i, 1);
    }
    retranslate();
}

void EncoderValuesGroup::retranslate()
{
    setTitle(tr("Wejścia enkoderowe - wskaźniki"));
    Label13->setText(tr("ENKODER 1 (pozycja)"));
    Label15->setText(tr("ENKODER 1 (prędkość)"));
    Label14->setText(tr("ENKODER 2 (pozycja)"));
    Label16->setText(tr("ENKODER 2 (prędkość)"));
}

MathValuesGroup::MathValuesGroup(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GroupBox8"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    const auto math = trv630::mathValueColour;
    Label53 = makeChannelLabel("Label53", this);
    math_name21 = mathNameLabel("math_name21", this);
    Edit3math1 = makeIndicatorBox("Edit3math1", math, subPagePixels, false, this);
    Label54 = makeChannelLabel("Label54", this);
    math_name22 = mathNameLabel("math_name22", this);
    Edit3math2 = makeIndicatorBox("Edit3math2", math, subPagePixels, false, this);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    grid->addLayout(nameRow(Label53, math_name21), 0, 0);
    grid->addLayout(nameRow(Label54, math_name22), 0, 1);
    grid->addWidget(Edit3math1, 1, 0);
    grid->addWidget(Edit3math2, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    retranslate();
}

void MathValuesGroup::retranslate()
{
    setTitle(tr("Funkcje matematyczne - wskaźniki"));
    Label53->setText(tr("MATH 1"));
    Label54->setText(tr("MATH 2"));
}
