// Live values: the unit texts and math names, their "Zapisz" buttons, and the
// 100 ms refresh of the indicator boxes and lamps of the page in view.
#include "app/TFMain.h"

#include "app/Application.h"
#include "app/Errors.h"
#include "app/pages/AnalogPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/EncoderPage.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/Lamp.h"
#include "app/pages/MathPage.h"
#include "app/pages/SettingsPage.h"
#include "app/pages/ValueGroups.h"
#include "app/settings/IniFile.h"
#include "app/settings/Settings.h"
#include "values/Reading.h"
#include "values/UnitTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>

namespace settings = trv630::settings;

namespace {

/// Sets a box's text; an unchanged text is not set again (no repaint, and a
/// selection made for copying survives the tick).
void showText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

} // namespace

// ---- texts ---------------------------------------------------------------------

int TFMain::decimalsCount() const
{
    return trv630::decimalsForPosition(TabSheet4->DivBox->currentIndex());
}

QString TFMain::analogText(int i) const
{
    return trv630::analogText(frame, i, adcUnitText.at(i), {decimalsCount(), valueDecimalSeparator});
}

QString TFMain::positionText(int i) const
{
    return trv630::positionText(frame, i, encUnitText.at(i), {decimalsCount(), valueDecimalSeparator});
}

QString TFMain::velocityText(int i) const
{
    return trv630::velocityText(frame, i, encUnitText.at(i), {decimalsCount(), valueDecimalSeparator});
}

QString TFMain::mathText(int k) const
{
    return trv630::mathText(frame, k, mathUnitText.at(k), {decimalsCount(), valueDecimalSeparator});
}

QString TFMain::mathNameCaption(int k) const
{
    const MathPage* page = TabSheet3->TabSheet7;
    return trv630::mathNameCaption((k == 0 ? page->math_name_1 : page->math_name_2)->text());
}

// ---- start-up ------------------------------------------------------------------

void TFMain::connectValueControls()
{
    const QString point = QLocale().decimalPoint();
    valueDecimalSeparator = point.isEmpty() ? QChar(u'.') : point.front();

    const auto bind = [this](QAbstractButton* button, void (TFMain::*handler)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { trv630::runGuarded([this, handler] { (this->*handler)(); }); });
    };
    const AnalogPage* analog = TabSheet3->TabSheet5;
    const EncoderPage* encoder = TabSheet3->TabSheet6;
    const MathPage* math = TabSheet3->TabSheet7;
    bind(analog->button_adcunit1, &TFMain::button_adcunit1Click);
    bind(analog->button_adcunit2, &TFMain::button_adcunit2Click);
    bind(analog->button_adcunit3, &TFMain::button_adcunit3Click);
    bind(analog->button_adcunit4, &TFMain::button_adcunit4Click);
    bind(encoder->BitBtn11, &TFMain::BitBtn11Click);
    bind(encoder->BitBtn13, &TFMain::BitBtn13Click);
    bind(math->BitBtn42, &TFMain::BitBtn42Click);
    bind(math->BitBtn49, &TFMain::BitBtn49Click);
    bind(math->BitBtn48, &TFMain::BitBtn48Click);
    bind(math->BitBtn50, &TFMain::BitBtn50Click);
}

void TFMain::loadUnitSettings(trv630::IniFile& ini)
{
    const AnalogPage* analog = TabSheet3->TabSheet5;
    const EncoderPage* encoder = TabSheet3->TabSheet6;
    const MathPage* math = TabSheet3->TabSheet7;
    const std::array<QLineEdit*, 4> adcBoxes{analog->adc_unit_1, analog->adc_unit_2, analog->adc_unit_3,
                                             analog->adc_unit_4};
    const std::array<QLineEdit*, 2> encBoxes{encoder->enc_unit_1, encoder->enc_unit_2};
    const std::array<QLineEdit*, 2> mathUnitBoxes{math->math_unit_1, math->math_unit_2};
    const std::array<QLineEdit*, 2> mathNameBoxes{math->math_name_1, math->math_name_2};

    // 8. The stored texts into their boxes.
    const QString defaultName = QString::fromLatin1(settings::defaultMathName);
    const QString defaultMathUnit = QString::fromLatin1(settings::defaultMathUnit);
    for (int k = 0; k < 2; ++k)
        mathNameBoxes[k]->setText(ini.readString(settings::Options, settings::MathName[k], defaultName));
    for (int k = 0; k < 2; ++k)
        mathUnitBoxes[k]->setText(ini.readString(settings::Options, settings::MathUnit[k], defaultMathUnit));
    for (int i = 0; i < 4; ++i)
        adcBoxes[i]->setText(ini.readString(settings::Options, settings::AdcUnit[i], QString()));
    for (int i = 0; i < 2; ++i)
        encBoxes[i]->setText(ini.readString(settings::Options, settings::EncUnit[i], QString()));

    // 9. The unit texts in force are those now in the boxes.
    for (int k = 0; k < 2; ++k)
        mathUnitText[k] = mathUnitBoxes[k]->text();
    for (int i = 0; i < 4; ++i)
        adcUnitText[i] = adcBoxes[i]->text();
    for (int i = 0; i < 2; ++i)
        encUnitText[i] = encBoxes[i]->text();

    // 10. The math-name labels of the three pages.
    const QString caption0 = mathNameCaption(0);
    TabSheet1->math_name01->setText(caption0);
    analog->GroupBox6->math_name11->setText(caption0);
    math->GroupBox8->math_name21->setText(caption0);
    const QString caption1 = mathNameCaption(1);
    TabSheet1->math_name02->setText(caption1);
    analog->GroupBox6->math_name12->setText(caption1);
    math->GroupBox8->math_name22->setText(caption1);
}

void TFMain::selectStoredPoint(trv630::IniFile& ini)
{
    // A number outside the list leaves DivBox without a selection; values are
    // then shown with 2 decimals (decimalsForPosition).
    const int point = ini.readInteger(settings::Options, settings::Point, settings::defaultPoint);
    QComboBox* divBox = TabSheet4->DivBox;
    divBox->setCurrentIndex(point >= 0 && point < divBox->count() ? point : -1);
}

// ---- "Zapisz" of the unit and name boxes ------------------------------------------
//
// Each writes the box's text, unchanged and untrimmed, under its key; a
// refused write throws before anything is taken over, so the old unit stays
// in force and the box keeps the typed text.

namespace {

QString storeText(const QString& path, const char* key, const QLineEdit* box)
{
    const QString text = box->text();
    trv630::IniFile ini(path);
    ini.writeString(settings::Options, key, text);
    return text;
}

} // namespace

void TFMain::button_adcunit1Click()
{
    adcUnitText[0] = storeText(settingsPath, settings::AdcUnit[0], TabSheet3->TabSheet5->adc_unit_1);
}

void TFMain::button_adcunit2Click()
{
    adcUnitText[1] = storeText(settingsPath, settings::AdcUnit[1], TabSheet3->TabSheet5->adc_unit_2);
}

void TFMain::button_adcunit3Click()
{
    adcUnitText[2] = storeText(settingsPath, settings::AdcUnit[2], TabSheet3->TabSheet5->adc_unit_3);
}

void TFMain::button_adcunit4Click()
{
    adcUnitText[3] = storeText(settingsPath, settings::AdcUnit[3], TabSheet3->TabSheet5->adc_unit_4);
}

void TFMain::BitBtn11Click()
{
    encUnitText[0] = storeText(settingsPath, settings::EncUnit[0], TabSheet3->TabSheet6->enc_unit_1);
}

void TFMain::BitBtn13Click()
{
    encUnitText[1] = storeText(settingsPath, settings::EncUnit[1], TabSheet3->TabSheet6->enc_unit_2);
}

void TFMain::BitBtn42Click()
{
    mathUnitText[0] = storeText(settingsPath, settings::MathUnit[0], TabSheet3->TabSheet7->math_unit_1);
}

void TFMain::BitBtn49Click()
{
    mathUnitText[1] = storeText(settingsPath, settings::MathUnit[1], TabSheet3->TabSheet7->math_unit_2);
}

void TFMain::BitBtn48Click()
{
    storeText(settingsPath, settings::MathName[0], TabSheet3->TabSheet7->math_name_1);
    const QString caption = mathNameCaption(0);
    TabSheet1->math_name01->setText(caption);
    TabSheet3->TabSheet5->GroupBox6->math_name11->setText(caption);
    TabSheet3->TabSheet7->GroupBox8->math_name21->setText(caption);
}

void TFMain::BitBtn50Click()
{
    storeText(settingsPath, settings::MathName[1], TabSheet3->TabSheet7->math_name_2);
    const QString caption = mathNameCaption(1);
    TabSheet1->math_name02->setText(caption);
    TabSheet3->TabSheet5->GroupBox6->math_name12->setText(caption);
    TabSheet3->TabSheet7->GroupBox8->math_name22->setText(caption);
}

// ---- the 100 ms refresh -----------------------------------------------------------

void TFMain::UpdateDataTimerTimer()
{
    QWidget* page = PageControl1->currentWidget();
    if (page == TabSheet1) {
        IndicatorPage* p = TabSheet1;
        const auto adc = p->adcBoxes();
        for (int i = 0; i < 4; ++i)
            showText(adc[i], analogText(i));
        showText(p->Edit1math1, mathText(0));
        showText(p->Edit1math2, mathText(1));
        showText(p->Edit1_encp1, positionText(0));
        showText(p->Edit1_encv1, velocityText(0));
        showText(p->Edit1_encp2, positionText(1));
        showText(p->Edit1_encv2, velocityText(1));
        for (int bit = 0; bit < 6; ++bit)
            p->outputLamps[bit]->setOn((frame.statusBitsA >> bit) & 1);
        p->Shape_IN1->setOn(frame.statusBitsB & 1);
        p->Shape_IN2->setOn((frame.statusBitsB >> 1) & 1);
        return;
    }
    if (page != TabSheet3)
        return;
    QWidget* sub = TabSheet3->PageControl2->currentWidget();
    if (sub == TabSheet3->TabSheet6) {
        const EncoderValuesGroup* g = TabSheet3->TabSheet6->GroupBox5;
        showText(g->Edit2_encp1, positionText(0));
        showText(g->Edit2_encv1, velocityText(0));
        showText(g->Edit2_encp2, positionText(1));
        showText(g->Edit2_encv2, velocityText(1));
    } else if (sub == TabSheet3->TabSheet5) {
        const AnalogValuesGroup* g = TabSheet3->TabSheet5->GroupBox6;
        const auto adc = g->adcBoxes();
        for (int i = 0; i < 4; ++i)
            showText(adc[i], analogText(i));
        showText(g->Edit2math1, mathText(0));
        showText(g->Edit2math2, mathText(1));
    } else if (sub == TabSheet3->TabSheet7) {
        const MathValuesGroup* g = TabSheet3->TabSheet7->GroupBox8;
        showText(g->Edit3math1, mathText(0));
        showText(g->Edit3math2, mathText(1));
    }
}
