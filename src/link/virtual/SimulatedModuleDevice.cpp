#include "link/virtual/SimulatedModuleDevice.h"

namespace trv630 {

VirtualDeviceConfig SimulatedModuleDevice::defaultConfig()
{
    VirtualDeviceConfig config;
    config.product = QStringLiteral("TRV630U");
    config.vendorId = 0x1209; // ids reserved for testing
    config.productId = 0x0001;
    config.outputReportLength = 65;
    return config;
}

SimulatedModuleDevice::SimulatedModuleDevice(VirtualDeviceConfig config, bool streaming)
    : VirtualDevice(std::move(config)),
      streamer_(module_, [this](std::span<const std::uint8_t> report) { inject(report); })
{
    if (streaming)
        streamer_.start();
}

SimulatedModuleDevice::~SimulatedModuleDevice()
{
    streamer_.stop();
}

void SimulatedModuleDevice::onOutputReport(std::span<const std::uint8_t> report)
{
    for (const auto& reply : module_.handleOutputReport(report))
        inject(reply);
}

} // namespace trv630
