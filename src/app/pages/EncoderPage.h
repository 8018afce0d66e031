// Page TabSheet6 "Wejścia enkoderowe": the encoder indicator group GroupBox5
// on top, then the configuration grid GroupBox1 (one column per encoder).
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class EncoderValuesGroup;

class EncoderPage : public QWidget {
    Q_OBJECT
public:
    explicit EncoderPage(QWidget* parent = nullptr);

    /// The indicator group at the top (values of the page's channels).
    EncoderValuesGroup* GroupBox5 = nullptr;

    // GroupBox1 "Wejścia enkoderowe - konfiguracja"
    QGroupBox* GroupBox1 = nullptr;
    QLabel *Label25 = nullptr, *Label26 = nullptr;
    QPushButton *button_1 = nullptr, *button_2 = nullptr;
    QLabel *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr,
           *Label31 = nullptr, *Label80 = nullptr, *Label82 = nullptr;
    QComboBox *enc_mode_1 = nullptr, *enc_mode_2 = nullptr;
    QPushButton *button_encmode1 = nullptr, *button_encmode2 = nullptr;
    QLineEdit *enc_time_1 = nullptr, *enc_time_2 = nullptr;
    QPushButton *button_time1 = nullptr, *button_time2 = nullptr;
    QLineEdit *enc_resolution_1 = nullptr, *enc_resolution_2 = nullptr;
    QPushButton *button_resolution1 = nullptr, *button_resolution2 = nullptr;
    QLineEdit *enc_coeff_1 = nullptr, *enc_coeff_2 = nullptr;
    QPushButton *button_enccoeff1 = nullptr, *button_enccoeff2 = nullptr;
    QLineEdit *enc_offset_1 = nullptr, *enc_offset_2 = nullptr;
    QPushButton *button_encoffset1 = nullptr, *button_encoffset2 = nullptr;
    QLineEdit *enc_unit_1 = nullptr, *enc_unit_2 = nullptr;
    QPushButton *BitBtn11 = nullptr, *BitBtn13 = nullptr;
    QPushButton *button_encclear1 = nullptr, *button_encclear2 = nullptr;

    /// Sets every translated caption and list item in the active language.
    void retranslate();
};
