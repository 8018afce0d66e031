// Device parameters, the write side: the shared write operations, the
// "Zapisz" / "Odczytaj" handlers of the configuration pages, the output-rule
// and Ethernet writes, and the event bindings of those pages.
#include "app/TFMain.h"

#include "app/pages/CommPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/TriggerPage.h"
#include "app/ParameterInput.h"
#include "protocol/Parameters.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using trv630::ParameterId;
using trv630::toByte;

namespace {

constexpr auto writeOpcode = static_cast<std::uint8_t>(trv630::Opcode::WriteRequest);

/// Code of the list's selection as one byte (no selection: -1, i.e. 255).
std::uint8_t selectedCode(const QComboBox* list)
{
    return static_cast<std::uint8_t>(list->currentIndex());
}

} // namespace

// ---- shared write operations ---------------------------------------------------

int TFMain::channelIndexOf(const QObject* button)
{
    const QString name = button ? button->objectName() : QString();
    if (name.isEmpty() || !name.back().isDigit())
        return -1;
    return name.back().digitValue() - 1;
}

void TFMain::writeChoiceParameter(std::uint8_t id, std::span<QComboBox* const> lists, const QObject* button)
{
    const int index = channelIndexOf(button);
    if (index < 0 || index >= int(lists.size()))
        return;
    const std::array<std::uint8_t, 3> payload{id, std::uint8_t(index), selectedCode(lists[index])};
    sendReport(writeOpcode, payload);
}

void TFMain::writeIntParameter(std::uint8_t id, std::int32_t minimum, std::int32_t maximum,
                               std::span<QLineEdit* const> boxes, const QObject* button)
{
    const int index = channelIndexOf(button);
    if (index < 0 || index >= int(boxes.size()))
        return;
    if (const auto v = trv630::checkedIntInput(boxes[index], minimum, maximum))
        sendReport(writeOpcode, trv630::int32Payload(ParameterId(id), std::uint8_t(index), *v));
}

void TFMain::writeFloatParameter(std::uint8_t id, std::span<QLineEdit* const> boxes, const QObject* button)
{
    const int index = channelIndexOf(button);
    if (index < 0 || index >= int(boxes.size()))
        return;
    if (const auto v = trv630::checkedFloatInput(boxes[index]))
        sendReport(writeOpcode, trv630::float32Payload(ParameterId(id), std::uint8_t(index), *v));
}

void TFMain::adc_filter1_1Change(QObject* Sender)
{
    if (auto* box = qobject_cast<QLineEdit*>(Sender))
        trv630::setStandardBackground(box);
}

// ---- analog inputs, encoders, math channels ----------------------------------------

void TFMain::button_adcmode1Click(QObject* Sender) { writeChoiceParameter(1, controlTable.adc_mode, Sender); }
void TFMain::button_filter11Click(QObject* Sender) { writeIntParameter(2, 1, 700, controlTable.adc_filter1, Sender); }
void TFMain::button_filter21Click(QObject* Sender) { writeIntParameter(3, 1, 60000, controlTable.adc_filter2, Sender); }
void TFMain::button_adccoeffClick(QObject* Sender) { writeFloatParameter(4, controlTable.adc_coeff, Sender); }
void TFMain::button_adcoffset1Click(QObject* Sender) { writeFloatParameter(5, controlTable.adc_offset, Sender); }
void TFMain::button_adcoffset21Click(QObject* Sender) { writeFloatParameter(26, controlTable.adc_offset2, Sender); }
void TFMain::button_encmode1Click(QObject* Sender) { writeChoiceParameter(6, controlTable.enc_mode, Sender); }
void TFMain::button_time1Click(QObject* Sender) { writeIntParameter(7, 1, 60000, controlTable.enc_time, Sender); }
void TFMain::button_resolution1Click(QObject* Sender) { writeIntParameter(8, 1, 10000, controlTable.enc_resolution, Sender); }
void TFMain::button_enccoeff1Click(QObject* Sender) { writeFloatParameter(9, controlTable.enc_coeff, Sender); }
void TFMain::button_encoffset1Click(QObject* Sender) { writeFloatParameter(10, controlTable.enc_offset, Sender); }
void TFMain::button_mathmode1Click(QObject* Sender) { writeChoiceParameter(11, controlTable.math_mode, Sender); }
void TFMain::button_mathmmode1Click(QObject* Sender) { writeChoiceParameter(25, controlTable.math_m_mode, Sender); }
void TFMain::button_mathoffset1Click(QObject* Sender) { writeFloatParameter(12, controlTable.math_offset, Sender); }
void TFMain::button_calib1Click(QObject* Sender) { writeFloatParameter(21, controlTable.math_calib, Sender); }

void TFMain::button_encclear1Click(QObject* Sender)
{
    const int index = channelIndexOf(Sender);
    if (index < 0 || index > 1)
        return;
    sendReport(writeOpcode, trv630::commandPayload(ParameterId::EncClearPosition, std::uint8_t(index)));
}

void TFMain::BitBtn15Click() { requestParameter(toByte(ParameterId::AdcConfig), 0); }
void TFMain::BitBtn21Click() { requestParameter(toByte(ParameterId::AdcConfig), 1); }
void TFMain::BitBtn27Click() { requestParameter(toByte(ParameterId::AdcConfig), 2); }
void TFMain::BitBtn33Click() { requestParameter(toByte(ParameterId::AdcConfig), 3); }
void TFMain::button_1Click() { requestParameter(toByte(ParameterId::EncConfig), 0); }
void TFMain::button_2Click() { requestParameter(toByte(ParameterId::EncConfig), 1); }
void TFMain::BitBtn47Click() { requestParameter(toByte(ParameterId::MathMode), 0); }
void TFMain::BitBtn41Click() { requestParameter(toByte(ParameterId::MathMode), 1); }
void TFMain::BitBtn6Click() { requestParameter(toByte(ParameterId::MathRegister), 0); }
void TFMain::BitBtn8Click() { requestParameter(toByte(ParameterId::MathRegister), 1); }
void TFMain::BitBtn58Click() { requestParameter(toByte(ParameterId::MathFactor), 0); }
void TFMain::BitBtn57Click() { requestParameter(toByte(ParameterId::MathFactor), 1); }

// ---- triggering -------------------------------------------------------------------

void TFMain::writeTriggerMode()
{
    sendReport(writeOpcode, trv630::choicePayload(ParameterId::TriggerMode, 0,
                                                  selectedCode(TabSheet3->Wyzwalania->trigger_mode)));
}

void TFMain::writeMasterMode()
{
    sendReport(writeOpcode, trv630::choicePayload(ParameterId::MasterMode, 0,
                                                  selectedCode(TabSheet3->Wyzwalania->trig_master_mode)));
}

void TFMain::BitBtn53Click() { writeTriggerMode(); }
void TFMain::BitBtn9Click() { writeMasterMode(); }

namespace {

/// The integer of a single parameter's box (index 0), checked and clamped
/// to the catalogue limits as the shared integer write does.
void writeSingleInt(TFMain& w, ParameterId id, QLineEdit* box)
{
    const trv630::ParameterInfo& info = trv630::parameterInfo(id);
    if (const auto v = trv630::checkedIntInput(box, info.minimum, info.maximum))
        w.sendReport(writeOpcode, trv630::int32Payload(id, 0, *v));
}

void writeSendInterval(TFMain& w) { writeSingleInt(w, ParameterId::SendInterval, w.TabSheet3->Wyzwalania->trigger_time); }
void writeTriggerFilter(TFMain& w) { writeSingleInt(w, ParameterId::TriggerFilter, w.TabSheet3->Wyzwalania->trigger_filter); }

void writeModbusAddress(TFMain& w)
{
    // The list holds "1".."247": the address is the position plus 1.
    const auto address = std::uint8_t(w.TabSheet3->TabSheet2->mod_adr->currentIndex() + 1);
    w.sendReport(writeOpcode, trv630::choicePayload(ParameterId::ModbusAddress, 0, address));
}

void writeModbusBaudRate(TFMain& w)
{
    w.sendReport(writeOpcode, trv630::choicePayload(ParameterId::ModbusBaudRate, 0,
                                                    selectedCode(w.TabSheet3->TabSheet2->mod_br)));
}

} // namespace

void TFMain::BitBtn45Click() { writeSendInterval(*this); }
void TFMain::BitBtn55Click() { writeTriggerFilter(*this); }

void TFMain::button_trigmastetype_1Click(QObject* Sender)
{
    writeChoiceParameter(toByte(ParameterId::MasterRegisterType), controlTable.trig_master_type, Sender);
}

void TFMain::BitBtn54Click() { requestParameter(toByte(ParameterId::TriggerMode), 0); }
void TFMain::BitBtn46Click() { requestParameter(toByte(ParameterId::SendInterval), 0); }
void TFMain::BitBtn56Click() { requestParameter(toByte(ParameterId::TriggerFilter), 0); }
void TFMain::BitBtn10Click() { requestParameter(toByte(ParameterId::MasterMode), 0); }
void TFMain::BitBtn12Click() { requestParameter(toByte(ParameterId::MasterRegisterType), 0); }
void TFMain::BitBtn14Click() { requestParameter(toByte(ParameterId::MasterRegisterType), 1); }

// ---- output rules -------------------------------------------------------------------

void TFMain::writeOutputRules()
{
    const trv630::ControlTable& t = controlTable;
    for (int k = 0; k < trv630::outputRuleCount; ++k) {
        trv630::OutputRuleEntry& entry = outputRuleTable[k];
        entry.source = selectedCode(t.out_W[k]);
        entry.condition1 = selectedCode(t.out_B[k]);
        entry.condition2 = selectedCode(t.out_C[k]);
        entry.combination = selectedCode(t.out_T[k]);
        entry.state = selectedCode(t.out_S[k]);
        // Sources 0 and 1 compare nothing: the values stay as last written.
        if (t.out_W[k]->currentIndex() == 0 || t.out_W[k]->currentIndex() == 1) {
            trv630::setStandardBackground(t.out_N[k]);
            continue;
        }
        const auto value1 = trv630::checkedFloatInput(t.out_N[k]);
        if (!value1)
            return;
        entry.value1 = *value1;
        if (t.out_T[k]->currentIndex() != 0) {
            const auto value2 = trv630::checkedFloatInput(t.out_M[k]);
            if (!value2)
                return;
            entry.value2 = *value2;
        } else {
            trv630::setStandardBackground(t.out_M[k]);
        }
    }
    // The rule of output 1 now; each acknowledgement sends the next (input dispatch).
    sendReport(writeOpcode, trv630::outputRulePayload(outputRuleTable, 0));
}

void TFMain::BitBtn43Click() { writeOutputRules(); }
void TFMain::BitBtn44Click() { requestParameter(toByte(ParameterId::OutputRule), 0); }

void TFMain::out1_WChange(QObject* Sender)
{
    // "out3_T" is row 3: the fourth character of the list's name.
    const QString name = Sender ? Sender->objectName() : QString();
    if (name.size() < 4 || !name[3].isDigit())
        return;
    const int k = name[3].digitValue() - 1;
    if (k >= 0 && k < trv630::outputRuleCount)
        updateOutputRow(k);
}

void TFMain::updateOutputRow(int k)
{
    if (k < 0 || k >= trv630::outputRuleCount)
        return;
    const trv630::ControlTable& t = controlTable;
    const bool active = t.out_W[k]->currentIndex() > 1;
    for (QWidget* w : {static_cast<QWidget*>(t.out_B[k]), static_cast<QWidget*>(t.out_N[k]),
                       static_cast<QWidget*>(t.out_T[k]), static_cast<QWidget*>(t.out_S[k])})
        w->setEnabled(active);
    const bool second = active && t.out_T[k]->currentIndex() != 0;
    t.out_C[k]->setEnabled(second);
    t.out_M[k]->setEnabled(second);
}

// ---- RS485 and Ethernet -----------------------------------------------------------------

void TFMain::BitBtn1Click() { writeModbusAddress(*this); }
void TFMain::BitBtn3Click() { writeModbusBaudRate(*this); }

void TFMain::BitBtn2Click() { requestParameter(toByte(ParameterId::ModbusAddress), 0); }
void TFMain::BitBtn4Click() { requestParameter(toByte(ParameterId::ModbusBaudRate), 0); }

void TFMain::writeEthernetConfig()
{
    const CommPage* page = TabSheet3->TabSheet2;
    const struct {
        QLineEdit* box;
        const char* error;
    } boxes[] = {{page->MaskEdit_IP_Addr, "Błędny adres IP"},
                 {page->MaskEdit_IP_Mask, "Błedny adres maski podsieci"},
                 {page->MaskEdit_IP_Gate, "Błedny adres bramy "}};
    for (int b = 0; b < 3; ++b) {
        // A text that is no number throws: the error box shows the conversion error.
        const std::array<int, 4> octets = trv630::addressOctets(boxes[b].box->displayText());
        for (int octet : octets) {
            if (octet < 0 || octet > 255) {
                trv630::showMessageBox(QString::fromUtf8(boxes[b].error));
                return;
            }
        }
        for (int i = 0; i < 4; ++i)
            ethernetConfigBytes[4 * b + i] = std::uint8_t(octets[i]);
    }
    sendReport(writeOpcode, trv630::ethernetPayload(ethernetConfigBytes));
}

void TFMain::Btn_IPSaveClick() { writeEthernetConfig(); }
void TFMain::Btn_IP_ReadClick() { requestParameter(toByte(ParameterId::EthernetConfig), 0); }

QString TFMain::formatOctet(std::uint8_t octet)
{
    return QStringLiteral("%1").arg(octet, 3, 10, QLatin1Char('0'));
}

// ---- system ---------------------------------------------------------------------------------

void TFMain::BitBtn7Click() { requestParameter(toByte(ParameterId::FirmwareVersion), 0); }
void TFMain::DebugMemoClick() { requestParameter(toByte(ParameterId::Diagnostics), 0); }
void TFMain::Timer1Timer() { requestParameter(toByte(ParameterId::Temperature), 0); }

// ---- start-up -------------------------------------------------------------------------------

void TFMain::hideDebugMemo() { TabSheet3->Wyzwalania->DebugMemo->hide(); }
void TFMain::resetEthernetBoxes() { TabSheet3->TabSheet2->resetAddressBoxes(); }
