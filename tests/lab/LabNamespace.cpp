#include "lab/LabNamespace.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace trv630::lab {

namespace {

struct NamespaceState {
    bool entered = false;
    std::string reason;
};

NamespaceState enter()
{
    NamespaceState state;
    if (std::getenv("TRV630_NO_LAB")) {
        state.reason = "TRV630_NO_LAB is set";
        return state;
    }
    if (geteuid() != 0) {
        state.reason = "not running as root (the lab mounts a fake /sys and a FUSE device)";
        return state;
    }
    if (access("/dev/fuse", R_OK | W_OK) != 0) {
        state.reason = std::string("/dev/fuse is not usable: ") + std::strerror(errno);
        return state;
    }
    if (unshare(CLONE_NEWNS | CLONE_NEWNET) != 0) {
        state.reason = std::string("unshare of mount and network namespaces failed: ") + std::strerror(errno);
        return state;
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        state.reason = std::string("cannot make / private: ") + std::strerror(errno);
        return state;
    }
    // libudev refuses a /sys that is not a sysfs mount unless told otherwise.
    setenv("SYSTEMD_DEVICE_VERIFY_SYSFS", "0", 1);
    state.entered = true;
    return state;
}

// Runs before main(), while the process still has one thread.
const NamespaceState& state()
{
    static const NamespaceState s = enter();
    return s;
}
[[maybe_unused]] const bool enteredAtStart = (state(), true);

} // namespace

bool inLabNamespace() { return state().entered; }
const std::string& labUnavailableReason() { return state().reason; }

} // namespace trv630::lab
