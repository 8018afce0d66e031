// A TFMain on a virtual HID bus with a simulated TRV630U and a temporary
// settings directory: the standard set-up of window tests.
//
//   trv630::test::WindowHarness h;            // module attached, connected
//   h.sendMeasurement(frame);                 // one kind-0 report, delivered
//   h.window().findChild<QPushButton*>("…")->click();
//   auto written = h.takeWrittenReports();    // every output report since
//
// The module's own measurement stream is off by default, so a test sees only
// the reports it sends; Options::streaming turns it on. Everything runs on
// the test's (GUI) thread; input reports reach the window through the same
// queued hand-over as with real hardware, which processEvents() drains.
#pragma once

#include "app/Errors.h"
#include "app/TFMain.h"
#include "link/virtual/VirtualHidBus.h"
#include "protocol/MeasurementFrame.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace trv630::test {

class WindowHarness {
public:
    struct Options {
        /// Attach one simulated module before the window starts the link.
        bool attachModule = true;
        /// Let the module stream measurement reports (SendInterval, 10 ms).
        bool streaming = false;
        /// Wait until the window has connected (or found nothing) before
        /// the constructor returns.
        bool waitForStart = true;
        /// Directory of config.ini; empty: a fresh temporary directory.
        QString settingsDir;
        /// Runs before the window exists: attach more devices, write a
        /// config.ini into the settings directory, ...
        std::function<void(VirtualHidBus& bus, const QString& settingsDir)> beforeWindow;
    };

    WindowHarness();
    explicit WindowHarness(Options options);
    ~WindowHarness();
    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    TFMain& window() { return *window_; }
    VirtualHidBus& bus() { return *bus_; }
    /// The simulated module (nullptr when Options::attachModule is false).
    const std::shared_ptr<SimulatedModuleDevice>& module() const { return module_; }
    QString settingsDir() const { return settingsDir_; }

    /// Runs the event loop until nothing more is posted (a few rounds):
    /// delivers injected reports, the module's answers and device changes.
    void processEvents();
    /// Runs the event loop until condition holds; false on timeout.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 3000);

    /// Sends an input report (bytes after the report id) from the module,
    /// stamped arrivalMs (0: now), and delivers it.
    void sendReport(std::span<const std::uint8_t> data, qint64 arrivalMs = 0);
    /// Sends the measurement report that decodes to frame, and delivers it.
    void sendMeasurement(const MeasurementFrame& frame, qint64 arrivalMs = 0);

    /// Output reports the window wrote to the module since the last call.
    std::vector<std::vector<std::uint8_t>> takeWrittenReports();

    /// Pulls the module out / plugs it in again, and lets the window react.
    void unplugModule();
    void replugModule();

    /// Destroys the window now (the harness' accessors are then invalid).
    void destroyWindow();

    /// Texts of the standard error boxes shown so far: while the harness
    /// lives they are recorded instead of shown, so nothing blocks.
    const QStringList& errorBoxes() const { return *errorBoxes_; }

private:
    Options options_;
    std::shared_ptr<QStringList> errorBoxes_ = std::make_shared<QStringList>();
    ErrorBoxPresenter previousPresenter_;
    QTemporaryDir tempDir_;
    QString settingsDir_;
    VirtualHidBus* bus_ = nullptr; // owned by the window
    std::shared_ptr<SimulatedModuleDevice> module_;
    std::unique_ptr<TFMain> window_;
};

/// GoogleTest fixture holding a WindowHarness with default options.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { harness = std::make_unique<WindowHarness>(); }
    void TearDown() override { harness.reset(); }
    TFMain& window() { return harness->window(); }
    std::unique_ptr<WindowHarness> harness;
};

} // namespace trv630::test
