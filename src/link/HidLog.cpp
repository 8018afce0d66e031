#include "link/HidLog.h"

Q_LOGGING_CATEGORY(lcHidraw, "trv630.link", QtInfoMsg)
