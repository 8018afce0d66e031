// Device discovery and connection, the report rate, and the window's side of
// report framing and dispatch. The protocol itself is window-free
// (src/protocol); these handlers only wire it to the device, the status bar
// and the other areas' handlers.
#include "app/TFMain.h"

#include "app/Application.h"
#include "app/DeviceListItem.h"
#include "app/Strings.h"
#include "app/pages/SettingsPage.h"
#include "link/RateText.h"
#include "protocol/InputDispatch.h"
#include "protocol/Parameters.h"
#include "protocol/Report.h"

#include <QListWidget>

namespace {

const QString moduleProduct = QStringLiteral("TRV630U");

// The window's reactions to one input report.
class WindowReportTarget final : public trv630::InputReportTarget {
public:
    explicit WindowReportTarget(TFMain& window) : w_(window) {}

    void measurementDecoded() override { w_.logMeasurement(); }
    void parameterReply(std::span<const std::uint8_t> reply) override { w_.onParameterReply(reply); }
    void sendRequest(trv630::Opcode opcode, std::span<const std::uint8_t> payload) override
    {
        w_.sendReport(static_cast<std::uint8_t>(opcode), payload);
    }
    void writeAcknowledged(std::uint8_t id, std::uint8_t index) override
    {
        w_.setPanelText(0, trv630::lookupString(trv630::StringId::IDS_2) + QString::number(id) +
                               QStringLiteral("][") + QString::number(index) + QStringLiteral("]"));
    }

private:
    TFMain& w_;
};

} // namespace

void TFMain::releaseDeviceList()
{
    currentDevice = nullptr;
    connected = false;
    if (TabSheet4 && TabSheet4->ListBox1)
        TabSheet4->ListBox1->clear(); // deletes the entries and with them the device objects
}

void TFMain::JvHidDeviceController1DeviceChange()
{
    releaseDeviceList();
    JvHidDeviceController1->enumerate([this](const trv630::HidDeviceInfo& device, int index) {
        return JvHidDeviceController1Enumerate(device, index);
    });

    QListWidget* list = TabSheet4->ListBox1;
    if (list->count() == 0)
        setPanelText(1, trv630::lookupString(trv630::StringId::IDS_8));

    // Every exact match is taken in list order, so the last one wins.
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (item->text() != moduleProduct)
            continue;
        if (currentDevice)
            currentDevice->setDataHandler({});
        currentDevice = DeviceListItem::deviceOf(item);
        if (currentDevice && currentDevice->hasReadWriteAccess()) {
            currentDevice->setDataHandler([this](const trv630::InputReport& report) {
                trv630::runGuarded([&] { onInputReport(report); });
            });
            setPanelText(1, trv630::lookupString(trv630::StringId::IDS_7));
            connected = true;
            requestParameter(trv630::toByte(trv630::ParameterId::FirmwareVersion), 0);
        } else {
            if (currentDevice)
                currentDevice->setDataHandler({});
            setPanelText(1, trv630::lookupString(trv630::StringId::IDS_8));
            connected = false;
        }
    }
}

bool TFMain::JvHidDeviceController1Enumerate(const trv630::HidDeviceInfo& device, int index)
{
    const QString text = device.product.isEmpty()
                             ? QString::asprintf("Device VID=%04X PID=%04X", unsigned(device.vendorId),
                                                 unsigned(device.productId))
                             : device.product;
    TabSheet4->ListBox1->addItem(new DeviceListItem(text, JvHidDeviceController1->checkOut(index)));
    setPanelText(0, trv630::lookupString(trv630::StringId::IDS_10));
    setPanelText(1, trv630::lookupString(trv630::StringId::IDS_8));
    connected = false;
    return true;
}

void TFMain::FreqTimerTimer()
{
    setPanelText(2, trv630::rateText(reportCount, FreqTimer.interval()));
    reportCount = 0;
}

void TFMain::sendReport(std::uint8_t opcode, std::span<const std::uint8_t> payload)
{
    if (!connected || currentDevice == nullptr)
        return;
    trv630::OutputReportBuffer buffer;
    const auto report = trv630::buildOutputReport(buffer, opcode, payload, currentDevice->outputReportLength());
    if (!report)
        return; // no length, or one that cannot carry this request: nothing is sent
    try {
        currentDevice->writeOutputReport(*report);
    } catch (...) {
        // A failed write loses the request; the program goes on.
    }
}

void TFMain::requestParameter(std::uint8_t id, std::uint8_t index)
{
    sendReport(static_cast<std::uint8_t>(trv630::Opcode::ReadRequest), trv630::readRequestPayload(id, index));
}

void TFMain::onInputReport(const trv630::InputReport& report)
{
    reportArrivalMs = report.arrivalMs;
    WindowReportTarget target(*this);
    trv630::dispatchInputReport(report.data,
                                {reportCount, measurementCount, receiveBuffer, frame, outputRuleTable}, target);
}
