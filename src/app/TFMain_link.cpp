#include "app/TFMain.h"

void TFMain::JvHidDeviceController1DeviceChange() {}
bool TFMain::JvHidDeviceController1Enumerate(const trv630::HidDeviceInfo&, int) { return true; }
void TFMain::FreqTimerTimer() {}
void TFMain::onInputReport(const trv630::InputReport&) {}
void TFMain::sendReport(std::uint8_t, std::span<const std::uint8_t>) {}
void TFMain::requestParameter(std::uint8_t, std::uint8_t) {}
