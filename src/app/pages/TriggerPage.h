// Page Wyzwalania "Wyzwalania": the triggering grid GroupBox10 (one column,
// each row with "Zapisz" and "Odczytaj") and below it the diagnostics memo
// DebugMemo, which start-up keeps hidden.
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TriggerPage : public QWidget {
    Q_OBJECT
public:
    explicit TriggerPage(QWidget* parent = nullptr);

    // GroupBox10 "Wyzwalanie pomiarów - konfiguracja"
    QGroupBox* GroupBox10 = nullptr;
    QLabel *Label76 = nullptr, *Label61 = nullptr, *Label60 = nullptr, *Label59 = nullptr,
           *Label77 = nullptr, *Label78 = nullptr;
    QComboBox* trig_master_mode = nullptr;
    QPushButton *BitBtn9 = nullptr, *BitBtn10 = nullptr;
    QLineEdit* trigger_filter = nullptr;
    QPushButton *BitBtn55 = nullptr, *BitBtn56 = nullptr;
    QComboBox* trigger_mode = nullptr;
    QPushButton *BitBtn53 = nullptr, *BitBtn54 = nullptr;
    QLineEdit* trigger_time = nullptr;
    QPushButton *BitBtn45 = nullptr, *BitBtn46 = nullptr;
    QComboBox *trig_master_type_1 = nullptr, *trig_master_type_2 = nullptr;
    QPushButton *button_trigmastetype_1 = nullptr, *BitBtn12 = nullptr;
    QPushButton *button_trigmastetype_2 = nullptr, *BitBtn14 = nullptr;

    /// Read-only, both scroll bars, Courier New 11 px; hidden.
    QPlainTextEdit* DebugMemo = nullptr;

    /// Sets every translated caption and list item in the active language.
    void retranslate();

signals:
    /// A mouse click on DebugMemo.
    void debugMemoClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
