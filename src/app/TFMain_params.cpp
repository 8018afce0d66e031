#include "app/TFMain.h"

void TFMain::onParameterReply(std::span<const std::uint8_t>) {}
void TFMain::Timer1Timer() {}
