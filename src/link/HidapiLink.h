// The platform's HID devices through hidapi (hidraw backend on Linux).
//
// Threading: GUI thread only. Device changes come from a libudev monitor
// (Linux) or, where there is none, from comparing the enumeration once a
// second; one change is also reported shortly after start(). The devices'
// reader threads are described in HidapiDevice.h.
#pragma once

#include "link/HidLink.h"

#include <QTimer>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace trv630 {

class HidUdevMonitor;

class HidapiLink : public HidLink {
    Q_OBJECT
public:
    explicit HidapiLink(QObject* parent = nullptr);
    ~HidapiLink() override;

    void start() override;
    void enumerate(const EnumerateHandler& handler) override;
    std::unique_ptr<HidDevice> checkOut(int index) override;

private:
    struct Entry {
        HidDeviceInfo info;
        std::string path;
    };
    std::vector<Entry> scan() const;
    void pollForChanges();

    std::vector<Entry> snapshot_;
    std::shared_ptr<std::set<std::string>> checkedOut_;
    HidUdevMonitor* monitor_ = nullptr;
    QTimer pollTimer_;
    std::set<std::string> lastPaths_;
};

} // namespace trv630
