// Hand-over of input reports from a device's reader thread to the GUI thread.
//
// Threading:
//  - push() may be called from any thread (normally one reader thread per
//    device). It stamps nothing itself unless asked, copies the bytes into
//    the pending queue under a short lock and, when the queue was empty,
//    posts one queued wake-up to the pump's own thread. It never waits for
//    the GUI: the lock only guards an append or a swap of two vectors.
//  - Everything else (construction, setHandler, the drain, destruction) runs
//    on the thread the pump lives in, the GUI thread. The drain takes the
//    whole pending queue in one swap and hands the reports to the handler one
//    at a time, in arrival order; none is dropped while a handler is set.
//  - A handler may open a nested event loop (a modal box): reports arriving
//    meanwhile are delivered from that loop, still in order, and the outer
//    drain carries on after the last one delivered. One level only: a
//    handler that opens yet another loop from there gets no reports inside
//    it (they wait, in order), so a box per report cannot nest without end.
//    A handler may also clear the handler or destroy the pump; the drain
//    stops there.
//  - An exception that escapes the handler is logged and the next report is
//    handled as usual.
//
// While no handler is set, pushed reports are discarded (they are for nobody);
// setHandler() also discards what was queued for an earlier handler.
#pragma once

#include "link/HidLink.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace trv630 {

class ReportPump : public QObject {
    Q_OBJECT
public:
    explicit ReportPump(QObject* parent = nullptr);
    ~ReportPump() override;

    /// GUI thread. An empty handler stops delivery.
    void setHandler(DataHandler handler);
    bool hasHandler() const { return accepting_.load(std::memory_order_acquire); }

    /// Any thread. Queues one report that arrived at arrivalMs (wall clock, ms
    /// since the epoch). Returns false if it was discarded (no handler).
    bool push(std::span<const std::uint8_t> data, qint64 arrivalMs);
    /// Any thread. As above, stamped with the wall clock now.
    bool push(std::span<const std::uint8_t> data);

    /// Wall clock in ms since the epoch (UTC), the stamp of a report on arrival.
    static qint64 nowMs();

    /// GUI thread. Delivers everything queued so far (the queued wake-up does
    /// this by itself; tests and benchmarks may call it directly).
    void drain();

    struct Stats {
        std::uint64_t pushed = 0;    ///< reports accepted by push()
        std::uint64_t delivered = 0; ///< reports handed to the handler
        std::uint64_t wakeUps = 0;   ///< drains started by a queued wake-up
    };
    /// Any thread.
    Stats stats() const;

private:
    struct Entry {
        std::size_t offset;
        std::size_t size;
        qint64 arrivalMs;
    };
    struct Queue {
        std::vector<std::uint8_t> bytes;
        std::vector<Entry> entries;
        void clear()
        {
            bytes.clear();
            entries.clear();
        }
    };

    void wakeUp();
    bool takePending();

    mutable std::mutex mutex_;
    Queue pending_;              // guarded by mutex_
    bool wakeUpPosted_ = false;  // guarded by mutex_
    std::uint64_t pushed_ = 0;   // guarded by mutex_
    std::atomic<bool> accepting_{false};

    // GUI thread only.
    Queue batch_;
    std::size_t cursor_ = 0;
    std::shared_ptr<const DataHandler> handler_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    int depth_ = 0; // drains on the stack
    std::atomic<std::uint64_t> delivered_{0};
    std::atomic<std::uint64_t> wakeUps_{0};
    std::vector<std::uint8_t> scratch_;
};

} // namespace trv630
