// The two ways the program reaches HID devices.
#pragma once

#include "link/HidLink.h"

#include <memory>

namespace trv630 {

/// The platform's HID devices (hidapi; udev notification on Linux,
/// periodic enumeration elsewhere).
std::unique_ptr<HidLink> createPlatformLink();

/// A virtual HID bus with one simulated TRV630U attached (--simulate).
std::unique_ptr<HidLink> createSimulatedLink();

} // namespace trv630
