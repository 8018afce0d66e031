#include "lab/HidLab.h"

#include "lab/FakeSysfs.h"
#include "lab/LabNamespace.h"
#include "lab/UdevEventSender.h"

#include "link/virtual/MeasurementStreamer.h"
#include "link/virtual/SimulatedModule.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace trv630::lab {

namespace {

const std::string labDir = "/run/trv630-lab";

bool check(bool ok, const std::string& what, std::string* error)
{
    if (!ok && error)
        *error = what + ": " + std::strerror(errno);
    return ok;
}

bool makeNode(const std::string& path, mode_t mode, unsigned major, unsigned minor)
{
    return mknod(path.c_str(), S_IFCHR | mode, makedev(major, minor)) == 0;
}

bool touch(const std::string& path)
{
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

// Another product: unnumbered 8-byte input and output reports.
const std::vector<std::uint8_t> sensorDescriptor = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,
    0x95, 0x08, 0x09, 0x01, 0x81, 0x02, 0x95, 0x08, 0x09, 0x02, 0x91, 0x02, 0xC0,
};

struct NodeSpec {
    UsbHidIdentity identity;
    bool writable;
};

NodeSpec specFor(int node)
{
    switch (node) {
    case HidLab::Module:
        return {{"TRV Lab", "TRV630U", "LAB0001", 0x1209, 0x7630, HidLab::moduleDescriptor()}, true};
    case HidLab::OtherProduct:
        return {{"Lab Devices", "USB Optical Sensor", "S-42", 0x1234, 0x5678, sensorDescriptor}, true};
    case HidLab::ReadOnlyModule:
        return {{"TRV Lab", "TRV630U", "LAB0002", 0x1209, 0x7630, HidLab::moduleDescriptor()}, false};
    default:
        return {{"", "", "", 0x1234, 0x00AB, sensorDescriptor}, true};
    }
}

} // namespace

const std::vector<std::uint8_t>& HidLab::moduleDescriptor()
{
    // Vendor page 0xFF00; report id 1; 64-byte input and 64-byte output.
    static const std::vector<std::uint8_t> d = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00,
        0x75, 0x08, 0x95, 0x40, 0x09, 0x01, 0x81, 0x02, 0x95, 0x40, 0x09, 0x02, 0x91, 0x02, 0xC0,
    };
    return d;
}

HidLab* HidLab::instance(std::string* whyNot)
{
    static std::string failure;
    static HidLab* lab = [] {
        if (!inLabNamespace()) {
            failure = labUnavailableReason();
            return static_cast<HidLab*>(nullptr);
        }
        auto* candidate = new HidLab; // lives until the process ends, like its mounts
        if (!candidate->setUp(&failure))
            return static_cast<HidLab*>(nullptr);
        return candidate;
    }();
    if (!lab && whyNot)
        *whyNot = failure;
    return lab;
}

bool HidLab::setUp(std::string* error)
{
    // /run: udev monitors stay silent unless /run/udev/control exists.
    if (!check(mount("tmpfs", "/run", "tmpfs", 0, "mode=0755") == 0, "mount tmpfs on /run", error)
        || !check(mkdir("/run/udev", 0755) == 0 && touch("/run/udev/control"), "create /run/udev/control", error))
        return false;
    for (const char* sub : {"", "/sys", "/dev", "/fuse"})
        if (!check(mkdir((labDir + sub).c_str(), 0755) == 0, "mkdir " + labDir + sub, error))
            return false;

    sysfs_ = std::make_unique<FakeSysfs>(labDir + "/sys");
    if (!sysfs_->create(error)
        || !check(mount((labDir + "/sys").c_str(), "/sys", nullptr, MS_BIND, nullptr) == 0, "bind /sys", error))
        return false;

    // /dev: a tmpfs with the usual nodes, moved over the real one.
    const std::string dev = labDir + "/dev";
    if (!check(mount("tmpfs", dev.c_str(), "tmpfs", 0, "mode=0755") == 0, "mount tmpfs for /dev", error))
        return false;
    const bool nodes = makeNode(dev + "/null", 0666, 1, 3) && makeNode(dev + "/zero", 0666, 1, 5)
                       && makeNode(dev + "/full", 0666, 1, 7) && makeNode(dev + "/random", 0666, 1, 8)
                       && makeNode(dev + "/urandom", 0666, 1, 9) && makeNode(dev + "/tty", 0666, 5, 0)
                       && makeNode(dev + "/fuse", 0600, 10, 229);
    if (!check(nodes, "create device nodes", error))
        return false;
    mkdir((dev + "/pts").c_str(), 0755);
    mkdir((dev + "/shm").c_str(), 01777);
    mount("/dev/pts", (dev + "/pts").c_str(), nullptr, MS_BIND | MS_REC, nullptr);
    mount("/dev/shm", (dev + "/shm").c_str(), nullptr, MS_BIND | MS_REC, nullptr);
    symlink("/proc/self/fd", (dev + "/fd").c_str());
    symlink("/proc/self/fd/0", (dev + "/stdin").c_str());
    symlink("/proc/self/fd/1", (dev + "/stdout").c_str());
    symlink("/proc/self/fd/2", (dev + "/stderr").c_str());
    symlink("pts/ptmx", (dev + "/ptmx").c_str());
    for (int n = 0; n < nodeCount; ++n)
        if (!check(touch(dev + "/hidraw" + std::to_string(n)), "create /dev/hidraw node", error))
            return false;
    if (!check(mount(dev.c_str(), "/dev", nullptr, MS_MOVE, nullptr) == 0, "move tmpfs onto /dev", error))
        return false;

    fuse_ = std::make_unique<HidrawFuse>();
    if (!fuse_->mount(labDir + "/fuse", error))
        return false;
    for (int n = 0; n < nodeCount; ++n) {
        const NodeSpec node = specFor(n);
        fuse_->configure(n, HidrawNodeConfig{node.identity.descriptor, node.identity.vendorId,
                                             node.identity.productId, node.writable},
                         [this, n](std::span<const std::uint8_t> report) { onModuleOutput(n, report); });
        const std::string name = "/hidraw" + std::to_string(n);
        if (!check(mount((labDir + "/fuse" + name).c_str(), ("/dev" + name).c_str(), nullptr, MS_BIND, nullptr) == 0,
                   "bind FUSE node onto /dev" + name, error))
            return false;
    }

    events_ = std::make_unique<UdevEventSender>();
    if (!check(events_->isOpen(), "open a netlink socket for udev events", error))
        return false;
    module_ = std::make_unique<SimulatedModule>();
    return true;
}

void HidLab::plug(int node, bool announce)
{
    if (plugged_[node])
        return;
    devpaths_[node] = sysfs_->addDevice(node, specFor(node).identity);
    fuse_->setPlugged(node, true);
    plugged_[node] = true;
    if (announce)
        events_->sendHidraw("add", devpaths_[node], FakeSysfs::hidrawMajor, node);
}

void HidLab::unplug(int node, bool announce)
{
    if (!plugged_[node])
        return;
    if (node == Module)
        setStreaming(false);
    fuse_->setPlugged(node, false);
    sysfs_->removeDevice(node);
    plugged_[node] = false;
    if (announce)
        events_->sendHidraw("remove", devpaths_[node], FakeSysfs::hidrawMajor, node);
}

void HidLab::reset()
{
    setStreaming(false);
    for (int n = 0; n < nodeCount; ++n)
        unplug(n, false);
    std::lock_guard lock(writesMutex_);
    writes_.clear();
}

void HidLab::setStreaming(bool on)
{
    if (!on) {
        streamer_.reset();
        return;
    }
    if (streamer_)
        return;
    streamer_ = std::make_unique<MeasurementStreamer>(*module_, [this](std::span<const std::uint8_t> report) {
        sendInput(Module, report);
    });
    streamer_->start();
}

void HidLab::sendInput(int node, std::span<const std::uint8_t> data)
{
    std::vector<std::uint8_t> report;
    report.reserve(data.size() + 1);
    if (node == Module || node == ReadOnlyModule)
        report.push_back(1); // numbered reports: id first, as hidraw returns them
    report.insert(report.end(), data.begin(), data.end());
    fuse_->pushInput(node, report);
}

std::vector<std::vector<std::uint8_t>> HidLab::writes() const
{
    std::lock_guard lock(writesMutex_);
    return writes_;
}

void HidLab::onModuleOutput(int node, std::span<const std::uint8_t> report)
{
    if (node != Module)
        return;
    {
        std::lock_guard lock(writesMutex_);
        writes_.emplace_back(report.begin(), report.end());
    }
    for (const auto& reply : module_->handleOutputReport(report)) {
        std::vector<std::uint8_t> padded(reply);
        padded.resize(std::max<std::size_t>(padded.size(), 64), 0);
        sendInput(Module, padded);
    }
}

} // namespace trv630::lab
