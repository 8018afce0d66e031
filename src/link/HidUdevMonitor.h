// Notices hidraw nodes arriving and leaving, through a libudev monitor on
// the "hidraw" subsystem (events as udevd sends them, after its rules ran,
// so a new node already carries its access rights).
//
// Threading: GUI thread only; the monitor's socket is watched by a
// QSocketNotifier.
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace trv630 {

class HidUdevMonitor : public QObject {
    Q_OBJECT
public:
    explicit HidUdevMonitor(QObject* parent = nullptr);
    ~HidUdevMonitor() override;

    /// False when no monitor could be set up (no libudev, or udevd not
    /// running); the caller then has to look for changes another way.
    bool isActive() const { return notifier_ != nullptr; }

signals:
    /// One or more hidraw nodes were added or removed.
    void changed();

private:
    void onActivated();

    struct udev* udev_ = nullptr;
    struct udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace trv630
