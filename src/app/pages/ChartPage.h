// Page TabSheet9 "Wykresy": the live chart Chart1 with its title box and the
// fourteen series check boxes set on it, and the row of chart buttons. Every
// text of this page is fixed Polish and stays so in both languages.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trv630 {
class ChartView;
class LedLamp;
} // namespace trv630

class ChartPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartPage(QWidget* parent = nullptr);

    trv630::ChartView* Chart1 = nullptr; ///< series Series1..Series14 = series(0..13)
    QLineEdit* Edit_ChartTitle = nullptr;
    /// CB_Chart_R1 .. CB_Chart_R14 (index 0 is CB_Chart_R1).
    std::array<QCheckBox*, 14> CB_Chart_R{};
    QPushButton* Btn_ChartStart = nullptr;
    trv630::LedLamp* LED_ChartStart = nullptr;
    QPushButton* Btn_ChartClear = nullptr;
    QPushButton* Btn_PrintChart = nullptr;
    QPushButton* Btn_PrintSetup = nullptr;
    QPushButton* Btn_SaveImageFromChart = nullptr;
    QLabel* Label90 = nullptr;
    QComboBox* Cb_ChartTimeWindow = nullptr;

    /// Nothing on this page is translated; kept for the common page shape.
    void retranslate() {}

private:
    void buildChart();
    void buildButtonRow();
    void placeSeriesBoxes();
};
