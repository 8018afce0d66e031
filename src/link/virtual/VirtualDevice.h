// One device on the virtual HID bus: its identity, its access and report
// length, the input reports a test (or a simulated module) injects, and a
// record of every output report the program wrote to it.
//
// Threading: thread-safe. inject() is called from any thread (a simulated
// module streams from its own); the bus and the checked-out object call the
// rest on the GUI thread. One mutex guards the state; the hand-over to the
// GUI thread is the checked-out object's ReportPump.
#pragma once

#include "link/HidLink.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace trv630 {

class ReportPump;

struct VirtualDeviceConfig {
    QString product;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    /// False: the device is listed and can be checked out, but cannot be
    /// opened for reading and writing (held by another program).
    bool readWriteAccess = true;
    /// Output report length with the report id; nullopt: the query fails.
    std::optional<int> outputReportLength = 65;
};

class VirtualDevice {
public:
    explicit VirtualDevice(VirtualDeviceConfig config);
    virtual ~VirtualDevice();
    VirtualDevice(const VirtualDevice&) = delete;
    VirtualDevice& operator=(const VirtualDevice&) = delete;

    HidDeviceInfo info() const;
    bool hasReadWriteAccess() const;
    std::optional<int> outputReportLength() const;
    void setOutputReportLength(std::optional<int> length);

    /// Sends one input report (the bytes after the report id) to the program.
    /// Delivered only while the device is plugged in, checked out and has a
    /// data handler; returns whether it was queued for delivery.
    bool inject(std::span<const std::uint8_t> data, qint64 arrivalMs);
    bool inject(std::span<const std::uint8_t> data);

    /// Every output report written so far (report id first), oldest first.
    std::vector<std::vector<std::uint8_t>> writtenReports() const;
    /// As writtenReports(), and forgets them.
    std::vector<std::vector<std::uint8_t>> takeWrittenReports();

    bool isAttached() const;
    bool isCheckedOut() const;
    /// Checked out with a data handler set: injected reports reach the program.
    bool isDelivering() const;

protected:
    /// Called for each output report the program wrote, on the writing
    /// (GUI) thread, after it was recorded and without the lock held.
    virtual void onOutputReport(std::span<const std::uint8_t> report);

private:
    friend class VirtualHidBus;
    friend class VirtualHidDevice;

    void setAttached(bool attached);
    bool claim(ReportPump* pump);
    void unclaim();
    int write(std::span<const std::uint8_t> report);

    const VirtualDeviceConfig config_;
    const int serial_;
    mutable std::mutex mutex_;
    std::optional<int> outputReportLength_;
    bool attached_ = false;
    bool checkedOut_ = false;
    ReportPump* pump_ = nullptr;
    std::vector<std::vector<std::uint8_t>> written_;
};

} // namespace trv630
