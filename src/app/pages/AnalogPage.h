// Page TabSheet5 "Wejścia analogowe": the analog indicator group GroupBox6
// on top, then the configuration grid GroupBox2 (one column per ADC, one
// row per parameter, each cell a box or list followed by its "Zapisz").
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class AnalogValuesGroup;

class AnalogPage : public QWidget {
    Q_OBJECT
public:
    explicit AnalogPage(QWidget* parent = nullptr);

    /// The indicator group at the top (values of the page's channels).
    AnalogValuesGroup* GroupBox6 = nullptr;

    // GroupBox2 "Wejścia analogowe - konfiguracja"
    QGroupBox* GroupBox2 = nullptr;
    QLabel *Label32 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr;
    QPushButton *BitBtn15 = nullptr, *BitBtn21 = nullptr, *BitBtn27 = nullptr, *BitBtn33 = nullptr;
    QLabel *Label37 = nullptr, *Label36 = nullptr, *Label35 = nullptr, *Label34 = nullptr,
           *Label33 = nullptr, *Label8 = nullptr, *Label79 = nullptr, *Label75 = nullptr;

    QComboBox *adc_mode_1 = nullptr, *adc_mode_2 = nullptr, *adc_mode_3 = nullptr, *adc_mode_4 = nullptr;
    QPushButton *button_adcmode1 = nullptr, *button_adcmode2 = nullptr, *button_adcmode3 = nullptr,
                *button_adcmode4 = nullptr;
    QLineEdit *adc_filter1_1 = nullptr, *adc_filter1_2 = nullptr, *adc_filter1_3 = nullptr,
              *adc_filter1_4 = nullptr;
    QPushButton *button_filter11 = nullptr, *button_filter12 = nullptr, *button_filter13 = nullptr,
                *button_filter14 = nullptr;
    QLineEdit *adc_filter2_1 = nullptr, *adc_filter2_2 = nullptr, *adc_filter2_3 = nullptr,
              *adc_filter2_4 = nullptr;
    QPushButton *button_filter21 = nullptr, *button_filter22 = nullptr, *button_filter23 = nullptr,
                *button_filter24 = nullptr;
    QLineEdit *adc_coeff_1 = nullptr, *adc_coeff_2 = nullptr, *adc_coeff_3 = nullptr, *adc_coeff_4 = nullptr;
    QPushButton *button_adccoeff1 = nullptr, *button_adccoeff2 = nullptr, *button_adccoeff3 = nullptr,
                *button_adccoeff4 = nullptr;
    QLineEdit *adc_offset_1 = nullptr, *adc_offset_2 = nullptr, *adc_offset_3 = nullptr,
              *adc_offset_4 = nullptr;
    QPushButton *button_adcoffset1 = nullptr, *button_adcoffset2 = nullptr, *button_adcoffset3 = nullptr,
                *button_adcoffset4 = nullptr;
    QLineEdit *adc_offset_21 = nullptr, *adc_offset_22 = nullptr, *adc_offset_23 = nullptr,
              *adc_offset_24 = nullptr;
    QPushButton *button_adcoffset21 = nullptr, *button_adcoffset22 = nullptr,
                *button_adcoffset23 = nullptr, *button_adcoffset24 = nullptr;
    QLineEdit *adc_unit_1 = nullptr, *adc_unit_2 = nullptr, *adc_unit_3 = nullptr, *adc_unit_4 = nullptr;
    QPushButton *button_adcunit1 = nullptr, *button_adcunit2 = nullptr, *button_adcunit3 = nullptr,
                *button_adcunit4 = nullptr;

    /// Sets every translated caption and list item in the active language.
    void retranslate();
};
