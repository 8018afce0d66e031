#include "chart/ChartLog.h"

Q_LOGGING_CATEGORY(lcChart, "trv630.chart")
