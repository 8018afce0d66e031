#include "app/TFMain.h"

void TFMain::SaveFileTimerTimer() {}
