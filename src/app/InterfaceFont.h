// The window font: Tahoma, 11 pixels. Debian ships Tahoma with Wine
// (package fonts-wine); when it is present it is registered with Qt the
// first time the font is asked for, otherwise Qt's nearest sans-serif font
// stands in.
#pragma once

#include <QFont>

namespace trv630 {

/// Registers the Tahoma files once (GUI thread) and returns whether Tahoma
/// itself is available.
bool loadTahoma();

/// Tahoma (or the nearest sans-serif font) at the given pixel size.
QFont tahoma(int pixelSize = 11);

} // namespace trv630
