// A FUSE file system whose files behave like hidraw nodes, served from a
// thread of the test program.
//
// Each file "hidrawN" is opened with direct_io and is not seekable. Like
// hidraw, every open has its own input queue (newer reports are dropped when
// it is full; hidraw keeps 64, the lab 65,536 so that tests on a busy machine
// lose nothing); each read returns one input report,
// blocking or EAGAIN under O_NONBLOCK; poll reports POLLIN and wakes a
// waiting poll when a report arrives; each write hands one output report to
// the node's output handler; the ioctls HIDIOCGRDESCSIZE, HIDIOCGRDESC and
// HIDIOCGRAWINFO are answered. An unplugged node fails pending and new
// reads (EIO), writes (ENODEV) and opens (ENODEV), and polls as POLLERR |
// POLLHUP. A node that is not writable refuses opens for writing (EACCES).
//
// Threading: the FUSE loop runs on its own thread; every public call may be
// made from any thread. Output handlers run on the FUSE thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace trv630::lab {

struct HidrawNodeConfig {
    std::vector<std::uint8_t> descriptor;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    bool writable = true;
};

class HidrawFuse {
public:
    using OutputHandler = std::function<void(std::span<const std::uint8_t> report)>;

    HidrawFuse();
    ~HidrawFuse();

    /// Mounts on the directory `mountPoint` and starts serving.
    bool mount(const std::string& mountPoint, std::string* error);

    /// Declares node `minor` (file "hidraw<minor>"), unplugged.
    void configure(int minor, HidrawNodeConfig config, OutputHandler onOutput);
    void setPlugged(int minor, bool plugged);
    /// Queues one input report (as hidraw returns it: report id first for a
    /// numbered device) for every open of the node.
    void pushInput(int minor, std::span<const std::uint8_t> report);

    /// Opens of the node that are not yet released.
    int openCount(int minor) const;
    /// Reports dropped because an open's queue was full.
    std::uint64_t dropped(int minor) const;

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace trv630::lab
