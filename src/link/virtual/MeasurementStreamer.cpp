#include "link/virtual/MeasurementStreamer.h"

#include "link/virtual/SimulatedModule.h"

#include <chrono>

namespace trv630 {

MeasurementStreamer::MeasurementStreamer(SimulatedModule& module, Sink sink)
    : module_(module), sink_(std::move(sink))
{
}

MeasurementStreamer::~MeasurementStreamer() { stop(); }

void MeasurementStreamer::start()
{
    if (thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this] { run(); });
}

void MeasurementStreamer::stop()
{
    if (!thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool MeasurementStreamer::isRunning() const { return thread_.joinable(); }

void MeasurementStreamer::run()
{
    using Clock = std::chrono::steady_clock;
    constexpr auto maxBacklog = std::chrono::milliseconds(100);
    auto deadline = Clock::now();
    for (;;) {
        deadline += module_.sendInterval();
        {
            std::unique_lock lock(mutex_);
            if (wake_.wait_until(lock, deadline, [this] { return stopping_; }))
                return;
        }
        if (Clock::now() - deadline > maxBacklog)
            deadline = Clock::now();
        if (auto report = module_.nextMeasurementReport()) {
            sink_(*report);
            sent_.fetch_add(1, std::memory_order_relaxed);
        }
    }
}

} // namespace trv630
