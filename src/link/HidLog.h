// Log category of the hidapi backend (switch on with
// QT_LOGGING_RULES="trv630.link.debug=true").
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcHidraw)
