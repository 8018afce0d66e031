#include "app/TFMain.h"

void TFMain::UpdateDataTimerTimer() {}
