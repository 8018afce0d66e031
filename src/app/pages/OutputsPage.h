// Page TabSheet8 "Wyjścia tranzystorowe": the output-rule grid GroupBox9,
// one row per transistor output T1..T6, one column per rule field, and the
// "Zapisz" / "Odczytaj" buttons that write and read all six rules.
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class OutputsPage : public QWidget {
    Q_OBJECT
public:
    explicit OutputsPage(QWidget* parent = nullptr);

    // GroupBox9 "Wyjścia tranzystorowe - konfiguracja"
    QGroupBox* GroupBox9 = nullptr;
    /// Column heads, left to right.
    QLabel *Label58 = nullptr, *Label45 = nullptr, *Label46 = nullptr, *Label50 = nullptr,
           *Label51 = nullptr, *Label52 = nullptr, *Label57 = nullptr;
    /// Row labels "T1".."T6".
    QLabel *Label68 = nullptr, *Label69 = nullptr, *Label70 = nullptr, *Label71 = nullptr,
           *Label72 = nullptr, *Label73 = nullptr;
    QComboBox *out1_W = nullptr, *out1_B = nullptr, *out1_T = nullptr, *out1_C = nullptr, *out1_S = nullptr;
    QLineEdit *out1_N = nullptr, *out1_M = nullptr;
    QComboBox *out2_W = nullptr, *out2_B = nullptr, *out2_T = nullptr, *out2_C = nullptr, *out2_S = nullptr;
    QLineEdit *out2_N = nullptr, *out2_M = nullptr;
    QComboBox *out3_W = nullptr, *out3_B = nullptr, *out3_T = nullptr, *out3_C = nullptr, *out3_S = nullptr;
    QLineEdit *out3_N = nullptr, *out3_M = nullptr;
    QComboBox *out4_W = nullptr, *out4_B = nullptr, *out4_T = nullptr, *out4_C = nullptr, *out4_S = nullptr;
    QLineEdit *out4_N = nullptr, *out4_M = nullptr;
    QComboBox *out5_W = nullptr, *out5_B = nullptr, *out5_T = nullptr, *out5_C = nullptr, *out5_S = nullptr;
    QLineEdit *out5_N = nullptr, *out5_M = nullptr;
    QComboBox *out6_W = nullptr, *out6_B = nullptr, *out6_T = nullptr, *out6_C = nullptr, *out6_S = nullptr;
    QLineEdit *out6_N = nullptr, *out6_M = nullptr;
    QPushButton *BitBtn43 = nullptr, *BitBtn44 = nullptr;

    /// Sets every translated caption and list item in the active language.
    void retranslate();
};
