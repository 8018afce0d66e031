#include "log/LogCategory.h"

Q_LOGGING_CATEGORY(lcLog, "trv630.log", QtInfoMsg)
