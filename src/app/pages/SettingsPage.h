// Page TabSheet4 "Ustawienia programu": the measurement-file group on the
// left, the USB, display, version and temperature groups on the right.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class QPushButton;
class UpDownControl;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget* parent = nullptr);

    // GroupBox14 "Zapis do pliku"
    QGroupBox* GroupBox14 = nullptr;
    QCheckBox* save_auto = nullptr;
    QCheckBox* save_date = nullptr;
    QCheckBox* save_time = nullptr;
    QCheckBox* save_cnt = nullptr;
    QCheckBox* save_cntmod = nullptr;
    std::array<QCheckBox*, 4> save_adc{};    // save_adc1 .. save_adc4
    std::array<QCheckBox*, 4> save_adcavg{}; // save_adc1avg .. save_adc4avg
    QCheckBox* save_enc1p = nullptr;
    QCheckBox* save_enc2p = nullptr;
    QCheckBox* save_enc1v = nullptr;
    QCheckBox* save_enc2v = nullptr;
    QCheckBox* save_math1 = nullptr;
    QCheckBox* save_math2 = nullptr;
    QCheckBox* save_output = nullptr;
    QLineEdit* edit_mod = nullptr;
    QToolButton* BitBtn5 = nullptr;
    QLineEdit* file_name_edit = nullptr;
    QToolButton* file_name_button = nullptr;

    /// The nineteen record-field boxes in record order (save_date .. save_output).
    std::array<QCheckBox*, 19> recordFieldBoxes() const;

    // GroupBox15 "Połączenie USB"
    QGroupBox* GroupBox15 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;

    // GroupBox16 "Ustawienie wyświetlania"
    QGroupBox* GroupBox16 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* DivBox = nullptr;
    QLabel* Label83 = nullptr;
    QLineEdit* ChartTime = nullptr;
    UpDownControl* UpDown = nullptr;

    // GroupBox17 "Wersja oprogramowania"
    QGroupBox* GroupBox17 = nullptr;
    QLabel* Label55 = nullptr;
    QLabel* ver_pc = nullptr;
    QLabel* Label56 = nullptr;
    QLabel* ver_firm = nullptr;
    QPushButton* BitBtn7 = nullptr;

    // GroupBox18 "Temperatura układu"
    QGroupBox* GroupBox18 = nullptr;
    QLabel* Label81 = nullptr;
    QLabel* label_temperature = nullptr;

    /// Sets every translated caption in the active language.
    void retranslate();
};
