#include "link/ReportPump.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <array>
#include <chrono>
#include <cstring>
#include <exception>

namespace trv630 {
namespace {
Q_LOGGING_CATEGORY(lcPump, "trv630.link.pump")

// Reports up to this size are copied to the stack before the handler runs.
constexpr std::size_t stackCopySize = 512;
// Drains on the stack at most: the wake-up's and one from a modal loop.
constexpr int maxDrainDepth = 2;
} // namespace

ReportPump::ReportPump(QObject* parent) : QObject(parent) {}

ReportPump::~ReportPump()
{
    *alive_ = false;
}

void ReportPump::setHandler(DataHandler handler)
{
    std::shared_ptr<const DataHandler> next;
    if (handler)
        next = std::make_shared<const DataHandler>(std::move(handler));
    {
        std::lock_guard lock(mutex_);
        pending_.clear();
        accepting_.store(next != nullptr, std::memory_order_release);
    }
    batch_.clear();
    cursor_ = 0;
    handler_ = std::move(next);
}

qint64 ReportPump::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool ReportPump::push(std::span<const std::uint8_t> data)
{
    return push(data, nowMs());
}

bool ReportPump::push(std::span<const std::uint8_t> data, qint64 arrivalMs)
{
    if (!accepting_.load(std::memory_order_acquire))
        return false;
    bool post = false;
    {
        std::lock_guard lock(mutex_);
        pending_.entries.push_back({pending_.bytes.size(), data.size(), arrivalMs});
        pending_.bytes.insert(pending_.bytes.end(), data.begin(), data.end());
        ++pushed_;
        if (!wakeUpPosted_) {
            wakeUpPosted_ = true;
            post = true;
        }
    }
    if (post)
        wakeUp();
    return true;
}

void ReportPump::wakeUp()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            wakeUps_.fetch_add(1, std::memory_order_relaxed);
            drain();
        },
        Qt::QueuedConnection);
}

bool ReportPump::takePending()
{
    std::lock_guard lock(mutex_);
    wakeUpPosted_ = false;
    if (pending_.entries.empty())
        return false;
    std::swap(pending_, batch_);
    return true;
}

void ReportPump::drain()
{
    // A handler that opens a modal box gets the reports that arrive meanwhile
    // from the box's loop (one level deep). A handler that does so again
    // from inside that loop (a box per report) would nest without end: from
    // the third level on, reports wait in the queue until a level returns.
    if (depth_ >= maxDrainDepth)
        return;
    const std::shared_ptr<bool> alive = alive_;
    ++depth_;
    struct Leave {
        ReportPump* pump;
        const std::shared_ptr<bool>& alive;
        ~Leave()
        {
            if (*alive)
                --pump->depth_;
        }
    } leave{this, alive};
    for (;;) {
        if (cursor_ >= batch_.entries.size()) {
            batch_.clear();
            cursor_ = 0;
            if (!takePending())
                return;
        }
        const Entry entry = batch_.entries[cursor_++];
        const std::shared_ptr<const DataHandler> handler = handler_;
        if (!handler)
            continue;

        // A nested drain (from a modal loop inside the handler) may recycle
        // batch_, so the handler gets a copy of its report.
        std::array<std::uint8_t, stackCopySize> stackCopy;
        std::vector<std::uint8_t> heapCopy;
        std::uint8_t* copy = stackCopy.data();
        if (entry.size > stackCopy.size()) {
            heapCopy.resize(entry.size);
            copy = heapCopy.data();
        }
        if (entry.size > 0)
            std::memcpy(copy, batch_.bytes.data() + entry.offset, entry.size);

        try {
            (*handler)(InputReport{std::span<const std::uint8_t>(copy, entry.size), entry.arrivalMs});
        } catch (const std::exception& e) {
            qCWarning(lcPump) << "input report handler failed:" << e.what();
        } catch (...) {
            qCWarning(lcPump) << "input report handler failed";
        }
        if (!*alive)
            return;
        delivered_.fetch_add(1, std::memory_order_relaxed);
    }
}

ReportPump::Stats ReportPump::stats() const
{
    Stats s;
    {
        std::lock_guard lock(mutex_);
        s.pushed = pushed_;
    }
    s.delivered = delivered_.load(std::memory_order_relaxed);
    s.wakeUps = wakeUps_.load(std::memory_order_relaxed);
    return s;
}

} // namespace trv630
