// Page TabSheet2 "RS485 / Ethernet": the RS485 (MODBUS-RTU) address and baud
// rate, and the Ethernet (MODBUS-TCP/IP) address, mask and gateway. Nothing
// on this page is translated.
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CommPage : public QWidget {
    Q_OBJECT
public:
    explicit CommPage(QWidget* parent = nullptr);

    /// Qt form of the address edit mask: four groups of one required and two
    /// optional digits, the points kept in the text, blanks shown as spaces.
    /// displayText() is always 15 characters, octets at 0-2, 4-6, 8-10, 12-14.
    static constexpr const char* addressMask = "900.900.900.900; ";

    // GroupBox12 "Konfiguracja RS485 (MODBUS-RTU)"
    QGroupBox* GroupBox12 = nullptr;
    QLabel* Label24 = nullptr;
    QComboBox* mod_adr = nullptr; ///< "1".."247": the address is position + 1
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;
    QLabel* Label23 = nullptr;
    QComboBox* mod_br = nullptr;
    QPushButton *BitBtn3 = nullptr, *BitBtn4 = nullptr;

    // GroupBox19 "Konfiguracja Ethernet (MODBUS -TCP/IP)"
    QGroupBox* GroupBox19 = nullptr;
    QLabel *Label86 = nullptr, *Label87 = nullptr, *Label88 = nullptr, *Label84 = nullptr;
    QLineEdit *MaskEdit_IP_Addr = nullptr, *MaskEdit_IP_Mask = nullptr, *MaskEdit_IP_Gate = nullptr;
    QLineEdit* Edit1 = nullptr; ///< "502", disabled, never read or sent
    QPushButton *Btn_IPSave = nullptr, *Btn_IP_Read = nullptr;

    /// Empties the three address boxes and gives them the address mask.
    void resetAddressBoxes();
    /// Nothing on this page is translated; kept for the uniform page interface.
    void retranslate() {}
};
