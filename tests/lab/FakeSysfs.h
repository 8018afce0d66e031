// A minimal sysfs tree for hidraw devices, enough for libudev's enumeration
// of subsystem "hidraw" and for hidapi's walk up to the USB device: a USB
// device, its interface, the HID device with its report descriptor and the
// hidraw node, plus the class, bus and dev/char links real sysfs has.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trv630::lab {

struct UsbHidIdentity {
    std::string manufacturer;
    std::string product;
    std::string serial;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<std::uint8_t> descriptor;
};

class FakeSysfs {
public:
    /// `root` is the directory that later appears as /sys.
    explicit FakeSysfs(std::string root);

    /// Creates the skeleton (class, bus, dev/char, devices).
    bool create(std::string* error);

    /// Adds the device tree of hidraw node `minor`; returns its DEVPATH
    /// (the path below /sys of the hidraw directory).
    std::string addDevice(int minor, const UsbHidIdentity& id);
    /// Removes the tree of hidraw node `minor` again.
    void removeDevice(int minor);

    static constexpr int hidrawMajor = 243;

private:
    std::string root_;
};

} // namespace trv630::lab
