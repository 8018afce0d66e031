// An entry of the device list ListBox1: the device's text and the device
// object checked out for it (none if the checkout failed). The entry owns
// the object, so clearing the list releases every device.
#pragma once

#include "link/HidLink.h"

#include <QListWidgetItem>

#include <memory>

class DeviceListItem : public QListWidgetItem {
public:
    static constexpr int itemType = QListWidgetItem::UserType + 1;

    DeviceListItem(const QString& text, std::unique_ptr<trv630::HidDevice> device)
        : QListWidgetItem(text, nullptr, itemType), device_(std::move(device))
    {
    }

    trv630::HidDevice* device() const { return device_.get(); }

    /// The device object of a list entry, or nullptr.
    static trv630::HidDevice* deviceOf(const QListWidgetItem* item)
    {
        return item && item->type() == itemType ? static_cast<const DeviceListItem*>(item)->device() : nullptr;
    }

private:
    std::unique_ptr<trv630::HidDevice> device_;
};
