// The USB HID operations the program relies on, and the two kinds of object
// behind them: the link (enumeration, check-out, device-change notification)
// and a checked-out device (access test, report length, writes, input reports).
//
// Threading: every call is made on the GUI thread, and every callback
// (deviceChange, the data handler) is delivered on the GUI thread. A backend
// may read the device on a thread of its own, but it hands each input report
// over to the GUI thread through a queue, one report at a time and in order,
// so nothing above this interface needs a lock.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace trv630 {

/// One input report, as delivered to a data handler.
struct InputReport {
    std::span<const std::uint8_t> data; ///< the bytes after the report id
    qint64 arrivalMs = 0;               ///< wall clock when the report arrived, ms since the epoch (UTC)
};

using DataHandler = std::function<void(const InputReport&)>;

/// An attached device as the enumeration sees it.
struct HidDeviceInfo {
    QString product;            ///< USB product string, possibly empty
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    QString path;               ///< platform path, for diagnostics only
};

/// A device checked out for the program. Destroying the object releases the
/// device: delivery to its data handler stops, and it can be checked out again.
class HidDevice {
public:
    virtual ~HidDevice() = default;

    virtual HidDeviceInfo info() const = 0;
    /// True if the device could be opened for both reading and writing.
    virtual bool hasReadWriteAccess() const = 0;
    /// Output report length from the HID capabilities, report-id byte included.
    virtual std::optional<int> outputReportLength() const = 0;
    /// Synchronous write of one output report (byte 0 is the report id).
    /// Returns the number of bytes written, or -1.
    virtual int writeOutputReport(std::span<const std::uint8_t> report) = 0;
    /// While set, every input report is passed to the handler on the GUI
    /// thread, one at a time, in order; an empty handler stops delivery.
    virtual void setDataHandler(DataHandler handler) = 0;
};

class HidLink : public QObject {
    Q_OBJECT
public:
    /// Called once per attached device, in enumeration order; return false to stop.
    using EnumerateHandler = std::function<bool(const HidDeviceInfo& device, int index)>;

    explicit HidLink(QObject* parent = nullptr) : QObject(parent) {}
    ~HidLink() override = default;

    /// Begins notification: deviceChange() once shortly after this call, then
    /// once per change of the set of attached HID devices.
    virtual void start() = 0;
    /// Takes a fresh snapshot of the attached devices and walks it.
    virtual void enumerate(const EnumerateHandler& handler) = 0;
    /// An exclusive object for the device at this index of the last
    /// enumeration, or nullptr if it is already checked out or gone.
    virtual std::unique_ptr<HidDevice> checkOut(int index) = 0;

signals:
    void deviceChange();
};

} // namespace trv630
