// Device parameters, the reply side: what a parameter value (input report of
// kind 1) does to the controls. A reply is applied whenever it arrives; its
// id and index alone say where it goes.
#include "app/TFMain.h"

#include "app/ParameterInput.h"
#include "app/pages/CommPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/SettingsPage.h"
#include "app/pages/TriggerPage.h"
#include "protocol/Parameters.h"
#include "values/Reading.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>

using trv630::ParameterId;

namespace {

Q_LOGGING_CATEGORY(lcParams, "trv630.params", QtInfoMsg)

/// Selects a code; a code that is no position of the list leaves no selection.
void selectCode(QComboBox* list, int code)
{
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

/// Float in fixed-point notation with four decimals, regional separator.
QString floatText(float value)
{
    return trv630::formatReading(value, 4, trv630::regionalDecimalSeparator());
}

/// Tenths of a degree as degrees with one decimal, regional separator.
QString temperatureText(std::int16_t tenths)
{
    return trv630::formatReading(static_cast<float>(tenths * 0.1), 1, trv630::regionalDecimalSeparator());
}

} // namespace

void TFMain::onParameterReply(std::span<const std::uint8_t> reply)
{
    // byte 1 id, byte 2 index, value from byte 3
    if (reply.size() < 3 || !trv630::replyAccepted(reply[1], reply[2])) {
        if (reply.size() >= 3)
            qCDebug(lcParams) << "reply ignored: id" << reply[1] << "index" << reply[2];
        return;
    }
    const auto id = ParameterId(reply[1]);
    const int index = reply[2];
    const std::span<const std::uint8_t> value = trv630::replyValue(reply);
    if (value.size() < trv630::valueSize(trv630::findParameter(reply[1])->layout))
        return; // a reply cut short carries no whole value
    const trv630::ControlTable& t = controlTable;

    switch (id) {
    case ParameterId::MathMode:
        selectCode(t.math_mode[index], value[0]);
        break;
    case ParameterId::MathFactor:
        t.math_offset[index]->setText(floatText(trv630::readFloat32LE(value, 0)));
        break;
    case ParameterId::MathRegister:
        selectCode(t.math_m_mode[index], value[0]);
        break;
    case ParameterId::AdcConfig:
        if (const auto c = trv630::decodeAdcConfig(value)) {
            selectCode(t.adc_mode[index], c->mode);
            t.adc_filter1[index]->setText(QString::number(c->continuousFilter));
            t.adc_filter2[index]->setText(QString::number(c->averagingFilter));
            t.adc_coeff[index]->setText(floatText(c->coeff));
            t.adc_offset[index]->setText(floatText(c->offset1));
            t.adc_offset2[index]->setText(floatText(c->offset2));
        }
        break;
    case ParameterId::EncConfig:
        if (const auto c = trv630::decodeEncConfig(value)) {
            selectCode(t.enc_mode[index], c->mode);
            t.enc_time[index]->setText(QString::number(c->gateTime));
            t.enc_resolution[index]->setText(QString::number(c->resolution));
            t.enc_coeff[index]->setText(floatText(c->coeff));
            t.enc_offset[index]->setText(floatText(c->offset));
        }
        break;
    case ParameterId::TriggerMode:
        selectCode(TabSheet3->Wyzwalania->trigger_mode, value[0]);
        break;
    case ParameterId::SendInterval:
        TabSheet3->Wyzwalania->trigger_time->setText(QString::number(trv630::readInt32LE(value, 0)));
        break;
    case ParameterId::TriggerFilter:
        TabSheet3->Wyzwalania->trigger_filter->setText(QString::number(trv630::readInt32LE(value, 0)));
        break;
    case ParameterId::MasterMode:
        selectCode(TabSheet3->Wyzwalania->trig_master_mode, value[0]);
        break;
    case ParameterId::MasterRegisterType:
        selectCode(t.trig_master_type[index], value[0]);
        break;
    case ParameterId::OutputRule:
        if (const auto rule = trv630::decodeOutputRule(value)) {
            selectCode(t.out_W[index], rule->source);
            selectCode(t.out_B[index], rule->condition1);
            selectCode(t.out_C[index], rule->condition2);
            selectCode(t.out_T[index], rule->combination);
            selectCode(t.out_S[index], rule->state);
            t.out_N[index]->setText(floatText(rule->value1));
            t.out_M[index]->setText(floatText(rule->value2));
            // The read chain: each value asks for the next output; the last
            // one enables the rows as their lists now say.
            if (index <= 4) {
                requestParameter(trv630::toByte(ParameterId::OutputRule), std::uint8_t(index + 1));
            } else {
                for (int k = 0; k < trv630::outputRuleCount; ++k)
                    updateOutputRow(k);
            }
        }
        break;
    case ParameterId::ModbusAddress:
        selectCode(TabSheet3->TabSheet2->mod_adr, value[0] - 1); // "1".."247"
        break;
    case ParameterId::ModbusBaudRate:
        selectCode(TabSheet3->TabSheet2->mod_br, value[0]);
        break;
    case ParameterId::EthernetConfig:
        if (const auto bytes = trv630::decodeEthernet(value)) {
            ethernetConfigBytes = *bytes;
            const CommPage* page = TabSheet3->TabSheet2;
            QLineEdit* boxes[] = {page->MaskEdit_IP_Addr, page->MaskEdit_IP_Mask, page->MaskEdit_IP_Gate};
            for (int b = 0; b < 3; ++b) {
                QStringList octets;
                for (int i = 0; i < 4; ++i)
                    octets << formatOctet(ethernetConfigBytes[4 * b + i]);
                boxes[b]->setText(octets.join(u'.'));
            }
        }
        break;
    case ParameterId::FirmwareVersion:
        if (const auto chars = trv630::decodeFirmwareVersion(value)) {
            TabSheet4->ver_firm->setText(QString::fromLatin1(chars->data(), 4));
            requestParameter(trv630::toByte(ParameterId::Temperature), 0);
        }
        break;
    case ParameterId::Temperature:
        if (const auto tenths = trv630::decodeTemperatureTenths(value))
            TabSheet4->label_temperature->setText(temperatureText(*tenths));
        break;
    case ParameterId::Diagnostics:
        if (const auto d = trv630::decodeDiagnostics(value)) {
            QPlainTextEdit* memo = TabSheet3->Wyzwalania->DebugMemo;
            memo->clear();
            const QString lines[] = {
                QStringLiteral("=====MODBUS STAT====="),
                QStringLiteral("BC:  %1").arg(d->BC),
                QStringLiteral("FRA: %1").arg(d->FRA),
                QStringLiteral("FRC: %1").arg(d->FRC),
                QStringLiteral("TC:  %1").arg(d->TC),
                QStringLiteral("FE:  %1").arg(d->FE),
                QStringLiteral("ORE: %1").arg(d->ORE),
                QStringLiteral("NE:  %1").arg(d->NE),
                QStringLiteral("PE:  %1").arg(d->PE),
                QStringLiteral("ID:  %1").arg(d->ID),
                QStringLiteral("======TEMPERATURA======"),
                QStringLiteral("T:   ") + temperatureText(d->T),
                QStringLiteral("TMI: ") + temperatureText(d->TMI),
                QStringLiteral("TMX: ") + temperatureText(d->TMX),
                QStringLiteral("============OK========="),
            };
            for (const QString& line : lines)
                memo->appendPlainText(line);
        }
        break;
    default:
        break; // not directly readable: never accepted above
    }
}
