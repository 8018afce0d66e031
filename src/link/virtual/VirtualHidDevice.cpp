#include "link/virtual/VirtualHidDevice.h"

#include "link/virtual/VirtualDevice.h"

namespace trv630 {

std::unique_ptr<VirtualHidDevice> VirtualHidDevice::checkOut(std::shared_ptr<VirtualDevice> device)
{
    if (!device)
        return nullptr;
    std::unique_ptr<VirtualHidDevice> object(new VirtualHidDevice(device));
    if (!device->claim(&object->pump_)) {
        object->device_.reset(); // never claimed: nothing to release
        return nullptr;
    }
    return object;
}

VirtualHidDevice::VirtualHidDevice(std::shared_ptr<VirtualDevice> device) : device_(std::move(device)) {}

VirtualHidDevice::~VirtualHidDevice()
{
    // Unhook from the device before the pump goes, so that no thread pushes
    // into a destroyed pump.
    if (device_)
        device_->unclaim();
}

HidDeviceInfo VirtualHidDevice::info() const { return device_->info(); }

bool VirtualHidDevice::hasReadWriteAccess() const { return device_->hasReadWriteAccess(); }

std::optional<int> VirtualHidDevice::outputReportLength() const { return device_->outputReportLength(); }

int VirtualHidDevice::writeOutputReport(std::span<const std::uint8_t> report) { return device_->write(report); }

void VirtualHidDevice::setDataHandler(DataHandler handler) { pump_.setHandler(std::move(handler)); }

} // namespace trv630
