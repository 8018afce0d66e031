#include "link/HidapiLink.h"

#include "link/HidLog.h"
#include "link/HidUdevMonitor.h"
#include "link/HidapiDevice.h"
#include "link/LinkFactory.h"

#include <hidapi.h>

namespace trv630 {

namespace {
// Delay of the first device change after start(): the window is shown first.
constexpr int firstChangeDelayMs = 50;
constexpr int pollIntervalMs = 1000;
} // namespace

HidapiLink::HidapiLink(QObject* parent)
    : HidLink(parent), checkedOut_(std::make_shared<std::set<std::string>>())
{
    hid_init();
}

HidapiLink::~HidapiLink() = default;

void HidapiLink::start()
{
    if (!monitor_) {
        monitor_ = new HidUdevMonitor(this);
        connect(monitor_, &HidUdevMonitor::changed, this, &HidLink::deviceChange);
        if (!monitor_->isActive()) {
            connect(&pollTimer_, &QTimer::timeout, this, &HidapiLink::pollForChanges);
            pollTimer_.start(pollIntervalMs);
        }
    }
    QTimer::singleShot(firstChangeDelayMs, this, &HidLink::deviceChange);
}

std::vector<HidapiLink::Entry> HidapiLink::scan() const
{
    std::vector<Entry> entries;
    hid_device_info* list = hid_enumerate(0, 0);
    for (hid_device_info* d = list; d; d = d->next) {
        if (!d->path)
            continue;
        // hidapi lists one entry per top-level collection; the node is one
        // device for the program.
        const std::string path = d->path;
        bool seen = false;
        for (const Entry& e : entries)
            seen = seen || e.path == path;
        if (seen)
            continue;
        HidDeviceInfo info;
        info.product = d->product_string ? QString::fromWCharArray(d->product_string) : QString();
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.path = QString::fromStdString(path);
        entries.push_back({std::move(info), path});
    }
    hid_free_enumeration(list);
    return entries;
}

void HidapiLink::enumerate(const EnumerateHandler& handler)
{
    snapshot_ = scan();
    lastPaths_.clear();
    for (const Entry& e : snapshot_)
        lastPaths_.insert(e.path);
    qCDebug(lcHidraw) << "enumerated" << snapshot_.size() << "devices";
    for (std::size_t i = 0; i < snapshot_.size(); ++i) {
        if (!handler(snapshot_[i].info, static_cast<int>(i)))
            break;
    }
}

std::unique_ptr<HidDevice> HidapiLink::checkOut(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= snapshot_.size())
        return nullptr;
    const Entry& entry = snapshot_[index];
    if (checkedOut_->count(entry.path))
        return nullptr;
    return std::make_unique<HidapiDevice>(entry.info, entry.path, checkedOut_);
}

void HidapiLink::pollForChanges()
{
    std::set<std::string> paths;
    for (const Entry& e : scan())
        paths.insert(e.path);
    if (paths != lastPaths_) {
        lastPaths_ = paths;
        emit deviceChange();
    }
}

std::unique_ptr<HidLink> createPlatformLink() { return std::make_unique<HidapiLink>(); }

} // namespace trv630
