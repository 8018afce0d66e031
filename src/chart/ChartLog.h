// Diagnostics of the chart (QT_LOGGING_RULES="trv630.chart.debug=true").
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcChart)
