// Placeholder link with no devices (until the backends land).
#pragma once

#include "link/HidLink.h"

#include <QTimer>

namespace trv630 {

class EmptyLink : public HidLink {
public:
    void start() override { QTimer::singleShot(0, this, &HidLink::deviceChange); }
    void enumerate(const EnumerateHandler&) override {}
    std::unique_ptr<HidDevice> checkOut(int) override { return nullptr; }
};

} // namespace trv630
