// A device of the virtual bus checked out for the program. Destroying it
// releases the device: delivery stops and it can be checked out again.
//
// Threading: GUI thread. Input reports reach the data handler through the
// object's ReportPump, from whatever thread injected them.
#pragma once

#include "link/HidLink.h"
#include "link/ReportPump.h"

#include <memory>

namespace trv630 {

class VirtualDevice;

class VirtualHidDevice : public HidDevice {
public:
    /// nullptr if the device is unplugged or already checked out.
    static std::unique_ptr<VirtualHidDevice> checkOut(std::shared_ptr<VirtualDevice> device);
    ~VirtualHidDevice() override;

    HidDeviceInfo info() const override;
    bool hasReadWriteAccess() const override;
    std::optional<int> outputReportLength() const override;
    int writeOutputReport(std::span<const std::uint8_t> report) override;
    void setDataHandler(DataHandler handler) override;

    const std::shared_ptr<VirtualDevice>& device() const { return device_; }

private:
    explicit VirtualHidDevice(std::shared_ptr<VirtualDevice> device);
    std::shared_ptr<VirtualDevice> device_;
    ReportPump pump_;
};

} // namespace trv630
