// Page TabSheet7 "Funkcje matematyczne": the math indicator group GroupBox8
// on top, then the configuration grid GroupBox7 (one column per MATH channel;
// some rows carry their own read button after "Zapisz").
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class MathValuesGroup;

class MathPage : public QWidget {
    Q_OBJECT
public:
    explicit MathPage(QWidget* parent = nullptr);

    /// The indicator group at the top (values of the page's channels).
    MathValuesGroup* GroupBox8 = nullptr;

    // GroupBox7 "Funkcje matematyczne - konfiguracja"
    QGroupBox* GroupBox7 = nullptr;
    QLabel *Label42 = nullptr, *Label41 = nullptr;
    QLabel *Label43 = nullptr, *Label44 = nullptr, *Label47 = nullptr, *Label48 = nullptr,
           *Label49 = nullptr, *Label74 = nullptr;
    QComboBox *math_mode_1 = nullptr, *math_mode_2 = nullptr;
    QPushButton *button_mathmode1 = nullptr, *button_mathmode2 = nullptr;
    QPushButton *BitBtn47 = nullptr, *BitBtn41 = nullptr;
    QLineEdit *math_name_1 = nullptr, *math_name_2 = nullptr;
    QPushButton *BitBtn48 = nullptr, *BitBtn50 = nullptr;
    QLineEdit *math_unit_1 = nullptr, *math_unit_2 = nullptr;
    QPushButton *BitBtn42 = nullptr, *BitBtn49 = nullptr;
    QComboBox *math_m_mode_1 = nullptr, *math_m_mode_2 = nullptr;
    QPushButton *button_mathmmode1 = nullptr, *button_mathmmode2 = nullptr;
    QPushButton *BitBtn6 = nullptr, *BitBtn8 = nullptr;
    QLineEdit *math_offset_1 = nullptr, *math_offset_2 = nullptr;
    QPushButton *button_mathoffset1 = nullptr, *button_mathoffset2 = nullptr;
    QPushButton *BitBtn58 = nullptr, *BitBtn57 = nullptr;
    QLineEdit *math_calib_1 = nullptr, *math_calib_2 = nullptr;
    QPushButton *button_calib1 = nullptr, *button_calib2 = nullptr;

    /// Sets every translated caption and list item in the active language.
    void retranslate();
};
