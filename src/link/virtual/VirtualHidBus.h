// A HID bus in memory: devices are plugged in and pulled out by code (tests,
// --simulate), and the program sees them through the same HidLink interface
// as real hardware.
//
// Threading: the bus itself is used on the GUI thread (attach, detach, the
// HidLink calls); deviceChange is always emitted from a queued call, so a
// test that plugs in a device sees the program react only once the event
// loop runs, as with real hardware. Devices may inject input reports from any
// thread (see VirtualDevice).
#pragma once

#include "link/HidLink.h"
#include "link/virtual/SimulatedModuleDevice.h"
#include "link/virtual/VirtualDevice.h"

#include <memory>
#include <vector>

namespace trv630 {

class VirtualHidBus : public HidLink {
    Q_OBJECT
public:
    explicit VirtualHidBus(QObject* parent = nullptr);
    ~VirtualHidBus() override;

    // HidLink
    void start() override;
    void enumerate(const EnumerateHandler& handler) override;
    std::unique_ptr<HidDevice> checkOut(int index) override;

    /// Plugs in a new device (at the end of the enumeration order).
    std::shared_ptr<VirtualDevice> attach(VirtualDeviceConfig config);
    /// Plugs in a device again (after detach), or one made elsewhere.
    void attach(std::shared_ptr<VirtualDevice> device);
    /// Plugs in a simulated TRV630U.
    std::shared_ptr<SimulatedModuleDevice> attachSimulatedModule(
        VirtualDeviceConfig config = SimulatedModuleDevice::defaultConfig(), bool streaming = true);
    /// Pulls a device out: its checked-out object stays valid but hears
    /// nothing more and its writes fail.
    void detach(const std::shared_ptr<VirtualDevice>& device);

    /// Plugged-in devices in enumeration order.
    const std::vector<std::shared_ptr<VirtualDevice>>& devices() const { return devices_; }
    /// Checks a device out directly (a test holding it "in another program").
    std::unique_ptr<HidDevice> checkOut(const std::shared_ptr<VirtualDevice>& device);

private:
    void notifyChange();

    bool started_ = false;
    std::vector<std::shared_ptr<VirtualDevice>> devices_;
    std::vector<std::shared_ptr<VirtualDevice>> snapshot_; // last enumeration
};

} // namespace trv630
