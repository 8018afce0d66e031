#include "lab/FakeSysfs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace trv630::lab {

namespace {

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void symlinkTo(const std::string& target, const fs::path& link)
{
    std::error_code ec;
    fs::remove(link, ec);
    fs::create_symlink(target, link);
}

std::string hex4(std::uint16_t v)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", v);
    return text;
}

std::string upperHex8(std::uint16_t v)
{
    char text[12];
    std::snprintf(text, sizeof text, "%08X", v);
    return text;
}

// Every device hangs below its own USB port 1-(minor+1) of root hub usb1.
struct Paths {
    std::string usbDevice;  // below /sys
    std::string interface;
    std::string hid;
    std::string hidraw;
    std::string usbName, interfaceName, hidName, hidrawName;
};

Paths pathsFor(int minor, const UsbHidIdentity& id)
{
    Paths p;
    p.usbName = "1-" + std::to_string(minor + 1);
    p.interfaceName = p.usbName + ":1.0";
    char hidName[32];
    std::snprintf(hidName, sizeof hidName, "0003:%04X:%04X.%04X", id.vendorId, id.productId, minor + 1);
    p.hidName = hidName;
    p.hidrawName = "hidraw" + std::to_string(minor);
    p.usbDevice = "devices/pci0000:00/0000:00:14.0/usb1/" + p.usbName;
    p.interface = p.usbDevice + "/" + p.interfaceName;
    p.hid = p.interface + "/" + p.hidName;
    p.hidraw = p.hid + "/hidraw/" + p.hidrawName;
    return p;
}

// "../" repeated once per directory level of `below` (a path below /sys).
std::string upTo(const std::string& below)
{
    std::string up;
    for (char c : below)
        if (c == '/')
            up += "../";
    return up + "../";
}

} // namespace

FakeSysfs::FakeSysfs(std::string root) : root_(std::move(root)) {}

bool FakeSysfs::create(std::string* error)
{
    std::error_code ec;
    for (const char* dir : {"class/hidraw", "bus/usb/devices", "bus/hid/devices", "dev/char", "dev/block",
                            "devices/pci0000:00/0000:00:14.0/usb1"}) {
        fs::create_directories(fs::path(root_) / dir, ec);
        if (ec) {
            if (error)
                *error = "cannot create " + root_ + "/" + dir + ": " + ec.message();
            return false;
        }
    }
    const fs::path devices = fs::path(root_) / "devices";
    writeFile(devices / "pci0000:00/uevent", "");
    writeFile(devices / "pci0000:00/0000:00:14.0/uevent", "DRIVER=xhci_hcd\nPCI_CLASS=C0330\n");
    symlinkTo("../../../bus/pci", devices / "pci0000:00/0000:00:14.0/subsystem");
    fs::create_directories(fs::path(root_) / "bus/pci/devices", ec);
    writeFile(devices / "pci0000:00/0000:00:14.0/usb1/uevent", "DEVTYPE=usb_device\nDRIVER=usb\nBUSNUM=001\nDEVNUM=001\n");
    symlinkTo("../../../../bus/usb", devices / "pci0000:00/0000:00:14.0/usb1/subsystem");
    return true;
}

std::string FakeSysfs::addDevice(int minor, const UsbHidIdentity& id)
{
    const Paths p = pathsFor(minor, id);
    const fs::path root(root_);
    fs::create_directories(root / p.hidraw);

    const fs::path usb = root / p.usbDevice;
    const std::string product = hex4(id.vendorId) + "/" + hex4(id.productId) + "/100";
    writeFile(usb / "uevent", "MAJOR=189\nMINOR=" + std::to_string(minor + 1) + "\nDEVNAME=bus/usb/001/"
                                  + std::to_string(minor + 2) + "\nDEVTYPE=usb_device\nDRIVER=usb\nPRODUCT="
                                  + product + "\nTYPE=0/0/0\nBUSNUM=001\nDEVNUM=" + std::to_string(minor + 2) + "\n");
    symlinkTo(upTo(p.usbDevice) + "bus/usb", usb / "subsystem");
    writeFile(usb / "manufacturer", id.manufacturer + "\n");
    writeFile(usb / "product", id.product + "\n");
    writeFile(usb / "serial", id.serial + "\n");
    writeFile(usb / "bcdDevice", "0100\n");
    writeFile(usb / "idVendor", hex4(id.vendorId) + "\n");
    writeFile(usb / "idProduct", hex4(id.productId) + "\n");

    const fs::path intf = root / p.interface;
    writeFile(intf / "uevent", "DEVTYPE=usb_interface\nDRIVER=usbhid\nPRODUCT=" + product + "\nTYPE=0/0/0\nINTERFACE=3/0/0\n");
    symlinkTo(upTo(p.interface) + "bus/usb", intf / "subsystem");
    writeFile(intf / "bInterfaceNumber", "00\n");
    writeFile(intf / "bInterfaceClass", "03\n");

    const fs::path hid = root / p.hid;
    writeFile(hid / "uevent", "DRIVER=hid-generic\nHID_ID=0003:" + upperHex8(id.vendorId) + ":"
                                  + upperHex8(id.productId) + "\nHID_NAME=" + id.manufacturer + " " + id.product
                                  + "\nHID_PHYS=usb-0000:00:14.0-" + std::to_string(minor + 1)
                                  + "/input0\nHID_UNIQ=" + id.serial + "\n");
    symlinkTo(upTo(p.hid) + "bus/hid", hid / "subsystem");
    writeFile(hid / "report_descriptor", std::string(id.descriptor.begin(), id.descriptor.end()));

    const fs::path raw = root / p.hidraw;
    const std::string devnum = std::to_string(hidrawMajor) + ":" + std::to_string(minor);
    writeFile(raw / "uevent", "MAJOR=" + std::to_string(hidrawMajor) + "\nMINOR=" + std::to_string(minor)
                                  + "\nDEVNAME=" + p.hidrawName + "\n");
    writeFile(raw / "dev", devnum + "\n");
    symlinkTo(upTo(p.hidraw) + "class/hidraw", raw / "subsystem");
    symlinkTo("../../../" + p.hidName, raw / "device");
    writeFile(root / p.hid / "hidraw" / "uevent", "");

    symlinkTo("../../" + p.hidraw, root / "class/hidraw" / p.hidrawName);
    symlinkTo("../../" + p.hidraw, root / "dev/char" / devnum);
    symlinkTo("../../../" + p.usbDevice, root / "bus/usb/devices" / p.usbName);
    symlinkTo("../../../" + p.interface, root / "bus/usb/devices" / p.interfaceName);
    symlinkTo("../../../" + p.hid, root / "bus/hid/devices" / p.hidName);
    return "/" + p.hidraw;
}

void FakeSysfs::removeDevice(int minor)
{
    const fs::path root(root_);
    std::error_code ec;
    const std::string name = "hidraw" + std::to_string(minor);
    fs::remove(root / "class/hidraw" / name, ec);
    fs::remove(root / "dev/char" / (std::to_string(hidrawMajor) + ":" + std::to_string(minor)), ec);
    const std::string port = "1-" + std::to_string(minor + 1);
    fs::remove(root / "bus/usb/devices" / port, ec);
    fs::remove(root / "bus/usb/devices" / (port + ":1.0"), ec);
    for (const auto& entry : fs::directory_iterator(root / "bus/hid/devices", ec)) {
        const std::string n = entry.path().filename().string();
        if (n.size() > 4 && std::stoi(n.substr(n.size() - 4), nullptr, 16) == minor + 1)
            fs::remove(entry.path(), ec);
    }
    fs::remove_all(root / "devices/pci0000:00/0000:00:14.0/usb1" / port, ec);
}

} // namespace trv630::lab
