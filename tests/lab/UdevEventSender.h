// Sends device events in udevd's own netlink format, so that a libudev
// monitor ("udev" source) in the same network namespace receives them as if
// udevd had processed a hot-plug.
//
// Message: a 40-byte header ("libudev\0", magic 0xfeedcafe, header size,
// offset and length of the properties, MurmurHash2 of the subsystem and of
// the device type, tag bloom filter; numbers big-endian), then the
// properties as KEY=value strings, each ending in a NUL. Sent to netlink
// multicast group 2, which udevd uses for processed events.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trv630::lab {

class UdevEventSender {
public:
    UdevEventSender();
    ~UdevEventSender();
    UdevEventSender(const UdevEventSender&) = delete;
    UdevEventSender& operator=(const UdevEventSender&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    /// Sends one hidraw event ("add" or "remove") for the node at `devpath`
    /// (below /sys) with the given device numbers.
    bool sendHidraw(const std::string& action, const std::string& devpath, int major, int minor);

    /// libudev's hash of a subsystem or device type name.
    static std::uint32_t stringHash(const std::string& text);

private:
    int fd_ = -1;
    std::uint64_t seqnum_ = 1000;
};

} // namespace trv630::lab
