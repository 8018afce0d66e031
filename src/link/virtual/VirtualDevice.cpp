#include "link/virtual/VirtualDevice.h"

#include "link/ReportPump.h"

#include <atomic>

namespace trv630 {
namespace {
std::atomic<int> nextSerial{1};
}

VirtualDevice::VirtualDevice(VirtualDeviceConfig config)
    : config_(std::move(config)), serial_(nextSerial++), outputReportLength_(config_.outputReportLength)
{
}

VirtualDevice::~VirtualDevice() = default;

HidDeviceInfo VirtualDevice::info() const
{
    return {config_.product, config_.vendorId, config_.productId, QStringLiteral("virtual:%1").arg(serial_)};
}

bool VirtualDevice::hasReadWriteAccess() const { return config_.readWriteAccess; }

std::optional<int> VirtualDevice::outputReportLength() const
{
    std::lock_guard lock(mutex_);
    return outputReportLength_;
}

void VirtualDevice::setOutputReportLength(std::optional<int> length)
{
    std::lock_guard lock(mutex_);
    outputReportLength_ = length;
}

bool VirtualDevice::inject(std::span<const std::uint8_t> data)
{
    return inject(data, ReportPump::nowMs());
}

bool VirtualDevice::inject(std::span<const std::uint8_t> data, qint64 arrivalMs)
{
    std::lock_guard lock(mutex_);
    if (!attached_ || pump_ == nullptr || !config_.readWriteAccess)
        return false;
    return pump_->push(data, arrivalMs);
}

std::vector<std::vector<std::uint8_t>> VirtualDevice::writtenReports() const
{
    std::lock_guard lock(mutex_);
    return written_;
}

std::vector<std::vector<std::uint8_t>> VirtualDevice::takeWrittenReports()
{
    std::lock_guard lock(mutex_);
    return std::exchange(written_, {});
}

bool VirtualDevice::isAttached() const
{
    std::lock_guard lock(mutex_);
    return attached_;
}

bool VirtualDevice::isCheckedOut() const
{
    std::lock_guard lock(mutex_);
    return checkedOut_;
}

bool VirtualDevice::isDelivering() const
{
    std::lock_guard lock(mutex_);
    return attached_ && pump_ != nullptr && pump_->hasHandler();
}

void VirtualDevice::onOutputReport(std::span<const std::uint8_t>) {}

void VirtualDevice::setAttached(bool attached)
{
    std::lock_guard lock(mutex_);
    attached_ = attached;
}

bool VirtualDevice::claim(ReportPump* pump)
{
    std::lock_guard lock(mutex_);
    if (!attached_ || checkedOut_)
        return false;
    checkedOut_ = true;
    pump_ = pump;
    return true;
}

void VirtualDevice::unclaim()
{
    std::lock_guard lock(mutex_);
    checkedOut_ = false;
    pump_ = nullptr;
}

int VirtualDevice::write(std::span<const std::uint8_t> report)
{
    {
        std::lock_guard lock(mutex_);
        if (!attached_ || !config_.readWriteAccess)
            return -1;
        written_.emplace_back(report.begin(), report.end());
    }
    onOutputReport(report);
    return static_cast<int>(report.size());
}

} // namespace trv630
