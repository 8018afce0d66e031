#include "link/HidUdevMonitor.h"

#include "link/HidLog.h"

#include <QSocketNotifier>

#ifdef TRV630_HAVE_UDEV
#include <libudev.h>
#include <unistd.h>
#endif

#include <cstring>

namespace trv630 {

#ifdef TRV630_HAVE_UDEV

HidUdevMonitor::HidUdevMonitor(QObject* parent) : QObject(parent)
{
    // Without udevd (a container, a minimal system) a monitor is created all
    // the same but never hears of anything.
    if (access("/run/udev/control", F_OK) != 0) {
        qCInfo(lcHidraw) << "udevd is not running; device changes are polled";
        return;
    }
    udev_ = udev_new();
    if (!udev_) {
        qCWarning(lcHidraw) << "no udev context; device changes are polled";
        return;
    }
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor_) < 0) {
        qCWarning(lcHidraw) << "no udev monitor; device changes are polled";
        return;
    }
    notifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &HidUdevMonitor::onActivated);
}

HidUdevMonitor::~HidUdevMonitor()
{
    delete notifier_;
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
}

void HidUdevMonitor::onActivated()
{
    // Take every pending event, then report one change for the lot.
    bool any = false;
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        qCDebug(lcHidraw) << "udev" << (action ? action : "?") << udev_device_get_devnode(device);
        if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
            any = true;
        udev_device_unref(device);
    }
    if (any)
        emit changed();
}

#else

HidUdevMonitor::HidUdevMonitor(QObject* parent) : QObject(parent) {}
HidUdevMonitor::~HidUdevMonitor() = default;
void HidUdevMonitor::onActivated() {}

#endif

} // namespace trv630
