#include "link/virtual/VirtualHidBus.h"

#include "link/LinkFactory.h"
#include "link/virtual/VirtualHidDevice.h"

#include <QMetaObject>

#include <algorithm>

namespace trv630 {

VirtualHidBus::VirtualHidBus(QObject* parent) : HidLink(parent) {}

VirtualHidBus::~VirtualHidBus()
{
    for (const auto& device : devices_)
        device->setAttached(false);
}

void VirtualHidBus::start()
{
    started_ = true;
    notifyChange();
}

void VirtualHidBus::notifyChange()
{
    if (started_)
        QMetaObject::invokeMethod(this, [this] { emit deviceChange(); }, Qt::QueuedConnection);
}

void VirtualHidBus::enumerate(const EnumerateHandler& handler)
{
    snapshot_ = devices_;
    for (std::size_t i = 0; i < snapshot_.size(); ++i)
        if (!handler(snapshot_[i]->info(), static_cast<int>(i)))
            break;
}

std::unique_ptr<HidDevice> VirtualHidBus::checkOut(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= snapshot_.size())
        return nullptr;
    return VirtualHidDevice::checkOut(snapshot_[static_cast<std::size_t>(index)]);
}

std::unique_ptr<HidDevice> VirtualHidBus::checkOut(const std::shared_ptr<VirtualDevice>& device)
{
    return VirtualHidDevice::checkOut(device);
}

std::shared_ptr<VirtualDevice> VirtualHidBus::attach(VirtualDeviceConfig config)
{
    auto device = std::make_shared<VirtualDevice>(std::move(config));
    attach(device);
    return device;
}

void VirtualHidBus::attach(std::shared_ptr<VirtualDevice> device)
{
    if (!device || std::find(devices_.begin(), devices_.end(), device) != devices_.end())
        return;
    device->setAttached(true);
    devices_.push_back(std::move(device));
    notifyChange();
}

std::shared_ptr<SimulatedModuleDevice> VirtualHidBus::attachSimulatedModule(VirtualDeviceConfig config,
                                                                             bool streaming)
{
    auto module = std::make_shared<SimulatedModuleDevice>(std::move(config), streaming);
    attach(module);
    return module;
}

void VirtualHidBus::detach(const std::shared_ptr<VirtualDevice>& device)
{
    const auto it = std::find(devices_.begin(), devices_.end(), device);
    if (it == devices_.end())
        return;
    device->setAttached(false);
    devices_.erase(it);
    notifyChange();
}

std::unique_ptr<HidLink> createSimulatedLink()
{
    auto bus = std::make_unique<VirtualHidBus>();
    bus->attachSimulatedModule();
    return bus;
}

} // namespace trv630
