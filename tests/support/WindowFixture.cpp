#include "support/WindowFixture.h"

#include "link/ReportPump.h"
#include "protocol/MeasurementReport.h"

#include <QCoreApplication>
#include <QTest>

namespace trv630::test {

WindowHarness::WindowHarness() : WindowHarness(Options{}) {}

WindowHarness::WindowHarness(Options options) : options_(std::move(options))
{
    previousPresenter_ = setErrorBoxPresenter(
        [boxes = errorBoxes_](const QString& text) { boxes->append(text); });
    settingsDir_ = options_.settingsDir.isEmpty() ? tempDir_.path() : options_.settingsDir;
    auto bus = std::make_unique<VirtualHidBus>();
    bus_ = bus.get();
    if (options_.attachModule)
        module_ = bus_->attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), options_.streaming);
    if (options_.beforeWindow)
        options_.beforeWindow(*bus_, settingsDir_);
    window_ = std::make_unique<TFMain>(std::move(bus), TFMain::Options{settingsDir_});
    if (options_.waitForStart) {
        // The first device change is queued by the link's start.
        waitUntil([this] { return !window_->panelText(1).isEmpty(); });
        processEvents();
    }
}

WindowHarness::~WindowHarness()
{
    destroyWindow();
    setErrorBoxPresenter(previousPresenter_);
}

void WindowHarness::destroyWindow()
{
    window_.reset();
    bus_ = nullptr;
}

void WindowHarness::processEvents()
{
    for (int round = 0; round < 8; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool WindowHarness::waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

void WindowHarness::sendReport(std::span<const std::uint8_t> data, qint64 arrivalMs)
{
    if (!module_)
        return;
    module_->inject(data, arrivalMs != 0 ? arrivalMs : ReportPump::nowMs());
    processEvents();
}

void WindowHarness::sendMeasurement(const MeasurementFrame& frame, qint64 arrivalMs)
{
    const auto report = encodeMeasurement(frame);
    sendReport(report, arrivalMs);
}

std::vector<std::vector<std::uint8_t>> WindowHarness::takeWrittenReports()
{
    return module_ ? module_->takeWrittenReports() : std::vector<std::vector<std::uint8_t>>{};
}

void WindowHarness::unplugModule()
{
    if (module_)
        bus_->detach(module_);
    processEvents();
}

void WindowHarness::replugModule()
{
    if (module_)
        bus_->attach(module_);
    processEvents();
}

} // namespace trv630::test
