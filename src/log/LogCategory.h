// Diagnostics of the measurement log (QT_LOGGING_RULES="trv630.log.debug=true").
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLog)
