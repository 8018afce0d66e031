// The emulated hidraw lab: inside the test program's private namespaces it
// mounts a fake /sys, a tmpfs /dev with the usual nodes, a tmpfs /run with
// /run/udev/control, and FUSE-served hidraw nodes bound onto /dev/hidrawN;
// it plugs and unplugs devices (sysfs tree, node state and a udev event).
//
// Devices (all USB, bus 0003):
//   node 0  "TRV630U", 1209:7630, report id 1 with 64-byte input and output
//           reports, driven by a SimulatedModule (requests answered, and
//           measurement reports streamed while streaming is on)
//   node 1  "USB Optical Sensor", 1234:5678, another product
//   node 2  "TRV630U" that refuses opening for writing (held elsewhere)
//   node 3  empty product string, 1234:00ab
//
// Threading: set up once per process on first use; plug/unplug from the
// test's thread. The FUSE thread and the module's streaming thread run
// beside the program's own threads.
#pragma once

#include "lab/HidrawFuse.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace trv630 {
class SimulatedModule;
class MeasurementStreamer;
}

namespace trv630::lab {

class FakeSysfs;
class UdevEventSender;

class HidLab {
public:
    enum Node { Module = 0, OtherProduct = 1, ReadOnlyModule = 2, NoProductString = 3 };
    static constexpr int nodeCount = 4;

    /// The lab of this process, set up on first call; nullptr (and the
    /// reason in *whyNot) when it cannot run here.
    static HidLab* instance(std::string* whyNot);

    /// Makes the node appear (sysfs tree, node openable) and, if `announce`,
    /// sends the udev "add" event.
    void plug(int node, bool announce = true);
    /// The reverse: pending reads fail, the node refuses opens and writes,
    /// the sysfs tree goes, and the "remove" event is sent.
    void unplug(int node, bool announce = true);
    /// Unplugs every node without events and forgets the recorded writes,
    /// for a test to start from an empty bus.
    void reset();

    /// Starts or stops the module's measurement stream on node 0.
    void setStreaming(bool on);
    /// Sends one input report (data after the report id) on a node.
    void sendInput(int node, std::span<const std::uint8_t> data);

    /// Output reports written to node 0 since the last reset, as written.
    std::vector<std::vector<std::uint8_t>> writes() const;
    HidrawFuse& fuse() { return *fuse_; }
    SimulatedModule& module() { return *module_; }
    static const std::vector<std::uint8_t>& moduleDescriptor();

private:
    HidLab() = default;
    bool setUp(std::string* error);
    void onModuleOutput(int node, std::span<const std::uint8_t> report);

    std::unique_ptr<FakeSysfs> sysfs_;
    std::unique_ptr<HidrawFuse> fuse_;
    std::unique_ptr<UdevEventSender> events_;
    std::unique_ptr<SimulatedModule> module_;
    std::unique_ptr<MeasurementStreamer> streamer_;
    std::vector<std::string> devpaths_ = std::vector<std::string>(nodeCount);
    std::vector<bool> plugged_ = std::vector<bool>(nodeCount);
    mutable std::mutex writesMutex_;
    std::vector<std::vector<std::uint8_t>> writes_;
};

} // namespace trv630::lab
