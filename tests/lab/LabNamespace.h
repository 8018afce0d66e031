// The private mount and network namespace the hidraw lab runs in.
//
// The test program enters it before main() (unshare needs a process with a
// single thread, and Qt starts threads): root, /dev/fuse and a working
// unshare are required. Without them the lab tests skip with the reason.
#pragma once

#include <string>

namespace trv630::lab {

/// True once the process runs in its own mount and network namespaces.
bool inLabNamespace();
/// Why the lab cannot run here (empty when it can).
const std::string& labUnavailableReason();

} // namespace trv630::lab
