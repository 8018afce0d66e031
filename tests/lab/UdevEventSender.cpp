#include "lab/UdevEventSender.h"

#include <arpa/inet.h>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace trv630::lab {

namespace {

constexpr std::uint32_t udevMonitorMagic = 0xfeedcafe;
constexpr std::uint32_t udevMulticastGroup = 2;

struct MonitorHeader {
    char prefix[8];
    std::uint32_t magic;
    std::uint32_t headerSize;
    std::uint32_t propertiesOffset;
    std::uint32_t propertiesLength;
    std::uint32_t subsystemHash;
    std::uint32_t devtypeHash;
    std::uint32_t tagBloomHigh;
    std::uint32_t tagBloomLow;
};
static_assert(sizeof(MonitorHeader) == 40);

} // namespace

UdevEventSender::UdevEventSender()
{
    fd_ = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT);
    if (fd_ < 0)
        return;
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    if (bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

UdevEventSender::~UdevEventSender()
{
    if (fd_ >= 0)
        close(fd_);
}

// MurmurHash2, 32 bit, seed 0, over the bytes of the text.
std::uint32_t UdevEventSender::stringHash(const std::string& text)
{
    constexpr std::uint32_t m = 0x5bd1e995;
    constexpr int r = 24;
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t len = text.size();
    std::uint32_t h = static_cast<std::uint32_t>(len);
    while (len >= 4) {
        std::uint32_t k = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 | std::uint32_t(data[2]) << 16
                          | std::uint32_t(data[3]) << 24;
        k *= m;
        k ^= k >> r;
        k *= m;
        h *= m;
        h ^= k;
        data += 4;
        len -= 4;
    }
    switch (len) {
    case 3: h ^= std::uint32_t(data[2]) << 16; [[fallthrough]];
    case 2: h ^= std::uint32_t(data[1]) << 8; [[fallthrough]];
    case 1: h ^= data[0]; h *= m;
    }
    h ^= h >> 13;
    h *= m;
    h ^= h >> 15;
    return h;
}

bool UdevEventSender::sendHidraw(const std::string& action, const std::string& devpath, int major, int minor)
{
    if (fd_ < 0)
        return false;
    std::string properties;
    const auto add = [&](const std::string& key, const std::string& value) {
        properties += key + "=" + value;
        properties.push_back('\0');
    };
    add("ACTION", action);
    add("DEVPATH", devpath);
    add("SUBSYSTEM", "hidraw");
    add("SEQNUM", std::to_string(++seqnum_));
    add("DEVNAME", "/dev/hidraw" + std::to_string(minor));
    add("MAJOR", std::to_string(major));
    add("MINOR", std::to_string(minor));

    MonitorHeader header{};
    std::memcpy(header.prefix, "libudev", 8);
    header.magic = htonl(udevMonitorMagic);
    header.headerSize = sizeof header;
    header.propertiesOffset = sizeof header;
    header.propertiesLength = static_cast<std::uint32_t>(properties.size());
    header.subsystemHash = htonl(stringHash("hidraw"));

    iovec iov[2] = {{&header, sizeof header}, {properties.data(), properties.size()}};
    sockaddr_nl group{};
    group.nl_family = AF_NETLINK;
    group.nl_groups = udevMulticastGroup;
    msghdr msg{};
    msg.msg_name = &group;
    msg.msg_namelen = sizeof group;
    msg.msg_iov = iov;
    msg.msg_iovlen = 2;
    return sendmsg(fd_, &msg, 0) >= 0;
}

} // namespace trv630::lab
