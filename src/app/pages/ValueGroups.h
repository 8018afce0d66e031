// The small indicator groups at the top of the input configuration pages:
// GroupBox6 (analog inputs, TabSheet5), GroupBox5 (encoder inputs,
// TabSheet6) and GroupBox8 (math functions, TabSheet7). Read-only boxes in
// 16-pixel type, coloured as on the indicator page; their texts are written
// by the indicator refresh (UpdateDataTimerTimer) only.
//
// Also the box and label makers the indicator page shares with them.
#pragma once

#include <QGroupBox>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace trv630 {

/// Text colours of the indicator boxes (0x00BBGGRR).
inline constexpr std::uint32_t analogValueColour = 0x804000;   // dark blue
inline constexpr std::uint32_t mathValueColour = 0x808040;     // teal
inline constexpr std::uint32_t positionValueColour = 0x800080; // purple
inline constexpr std::uint32_t velocityValueColour = 0x000080; // maroon

/// A read-only one-line indicator box in Tahoma of the given pixel height.
QLineEdit* makeIndicatorBox(const char* objectName, std::uint32_t colour, int pixelSize, bool bold,
                            QWidget* parent);
/// A label in Tahoma 13 pixels (channel labels, math-name labels).
QLabel* makeChannelLabel(const char* objectName, QWidget* parent);

} // namespace trv630

/// GroupBox6 "Wejścia analogowe - wskaźniki " on TabSheet5: ADC 1 to ADC 4
/// in one row, MATH 1 and MATH 2 below.
class AnalogValuesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit AnalogValuesGroup(QWidget* parent = nullptr);
    void retranslate();

    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLineEdit* Edit2adc1 = nullptr;
    QLineEdit* Edit2adc2 = nullptr;
    QLineEdit* Edit2adc3 = nullptr;
    QLineEdit* Edit2adc4 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* math_name11 = nullptr;
    QLineEdit* Edit2math1 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* math_name12 = nullptr;
    QLineEdit* Edit2math2 = nullptr;

    std::array<QLineEdit*, 4> adcBoxes() const { return {Edit2adc1, Edit2adc2, Edit2adc3, Edit2adc4}; }
    std::array<QLineEdit*, 2> mathBoxes() const { return {Edit2math1, Edit2math2}; }
};

/// GroupBox5 "Wejścia enkoderowe - wskaźniki" on TabSheet6: position and
/// velocity of encoder 1, then of encoder 2, in one row.
class EncoderValuesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit EncoderValuesGroup(QWidget* parent = nullptr);
    void retranslate();

    QLabel* Label13 = nullptr;
    QLineEdit* Edit2_encp1 = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* Edit2_encv1 = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* Edit2_encp2 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* Edit2_encv2 = nullptr;
};

/// GroupBox8 "Funkcje matematyczne - wskaźniki" on TabSheet7: MATH 1 and
/// MATH 2 with their names.
class MathValuesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit MathValuesGroup(QWidget* parent = nullptr);
    void retranslate();

    QLabel* Label53 = nullptr;
    QLabel* math_name21 = nullptr;
    QLineEdit* Edit3math1 = nullptr;
    QLabel* Label54 = nullptr;
    QLabel* math_name22 = nullptr;
    QLineEdit* Edit3math2 = nullptr;
};
