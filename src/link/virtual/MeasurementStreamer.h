// The clock of a simulated module: a thread of its own that asks the module
// for its next measurement report once per send interval and hands it to a
// sink (a virtual bus device, or an emulated hidraw node).
//
// Timing: deadlines are absolute (steady clock), so the average rate holds
// even when single wake-ups come late; a backlog of more than 100 ms (the
// machine was suspended, a debugger stopped the thread) is dropped rather
// than sent as a burst. The interval is read from the module before every
// report, so a SendInterval write takes effect at once.
//
// Threading: start()/stop() and the destructor on one controlling thread; the
// sink runs on the streaming thread and must be thread-safe.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <thread>

namespace trv630 {

class SimulatedModule;

class MeasurementStreamer {
public:
    using Sink = std::function<void(std::span<const std::uint8_t> report)>;

    MeasurementStreamer(SimulatedModule& module, Sink sink);
    ~MeasurementStreamer();
    MeasurementStreamer(const MeasurementStreamer&) = delete;
    MeasurementStreamer& operator=(const MeasurementStreamer&) = delete;

    void start();
    /// Returns after the thread has ended; no sink call follows.
    void stop();
    bool isRunning() const;

    /// Reports handed to the sink since construction.
    std::uint64_t reportsSent() const { return sent_.load(std::memory_order_relaxed); }

private:
    void run();

    SimulatedModule& module_;
    Sink sink_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::atomic<std::uint64_t> sent_{0};
};

} // namespace trv630
