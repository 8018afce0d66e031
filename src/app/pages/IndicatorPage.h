// Page TabSheet1 "Wskaźniki": the live values shown large. The analog group
// across the top, the encoder group across the middle and, along the bottom,
// the transistor-output lamps, the trigger-input lamps and the logging group.
// Texts and lamp colours are written by the indicator refresh
// (UpdateDataTimerTimer); save_button belongs to the logging control.
#pragma once

#include <QWidget>

#include <array>

class Lamp;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

class IndicatorPage : public QWidget {
    Q_OBJECT
public:
    explicit IndicatorPage(QWidget* parent = nullptr);
    /// Sets the design texts in the active language.
    void retranslate();

    // GroupBox3 "Wejścia analogowe": ADC 1, ADC 3 left; ADC 2, ADC 4 right.
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1adc1 = nullptr;
    QLineEdit* Edit1adc2 = nullptr;
    QLineEdit* Edit1adc3 = nullptr;
    QLineEdit* Edit1adc4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* math_name01 = nullptr;
    QLineEdit* Edit1math1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* math_name02 = nullptr;
    QLineEdit* Edit1math2 = nullptr;

    // GroupBox4 "Wejścia enkoderowe": encoder 1 left, encoder 2 right.
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit1_encp1 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Edit1_encp2 = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* Edit1_encv1 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* Edit1_encv2 = nullptr;

    // GroupBox11 "Wyjścia tranzystorowe": T1 .. T6.
    QGroupBox* GroupBox11 = nullptr;
    std::array<QLabel*, 6> outputLabels{}; ///< Label62 .. Label67
    std::array<Lamp*, 6> outputLamps{};    ///< Shape1 .. Shape6

    // GroupBox20 "Wejścia trigger" (not translated).
    QGroupBox* GroupBox20 = nullptr;
    QLabel* Label85 = nullptr;
    Lamp* Shape_IN1 = nullptr;
    QLabel* Label89 = nullptr;
    Lamp* Shape_IN2 = nullptr;

    // GroupBox13 (no caption): the logging state and its start/stop button.
    QGroupBox* GroupBox13 = nullptr;
    QLabel* save_label = nullptr;
    QToolButton* save_button = nullptr;

    std::array<QLineEdit*, 4> adcBoxes() const { return {Edit1adc1, Edit1adc2, Edit1adc3, Edit1adc4}; }
};
