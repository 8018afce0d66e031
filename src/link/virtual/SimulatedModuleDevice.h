// A simulated TRV630U plugged into the virtual HID bus: a VirtualDevice whose
// output reports go to a SimulatedModule and whose input reports are the
// module's answers and its measurement stream.
//
// Threading: as VirtualDevice; the measurement stream runs on the
// streamer's thread from construction (unless asked not to) to destruction.
#pragma once

#include "link/virtual/MeasurementStreamer.h"
#include "link/virtual/SimulatedModule.h"
#include "link/virtual/VirtualDevice.h"

namespace trv630 {

class SimulatedModuleDevice : public VirtualDevice {
public:
    /// Product "TRV630U", test ids 1209:0001, output report length 65.
    static VirtualDeviceConfig defaultConfig();

    explicit SimulatedModuleDevice(VirtualDeviceConfig config = defaultConfig(), bool streaming = true);
    ~SimulatedModuleDevice() override;

    SimulatedModule& module() { return module_; }
    /// start()/stop() the measurement stream (tests that send their own
    /// measurement reports stop it).
    MeasurementStreamer& streamer() { return streamer_; }

protected:
    void onOutputReport(std::span<const std::uint8_t> report) override;

private:
    SimulatedModule module_;
    MeasurementStreamer streamer_;
};

} // namespace trv630
