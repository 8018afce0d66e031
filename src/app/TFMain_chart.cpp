#include "app/TFMain.h"

void TFMain::ChartTimerTimer() {}
