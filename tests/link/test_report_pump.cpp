// The reader-thread-to-GUI hand-over: order, completeness, stamps, and the
// handlers that throw, re-enter the event loop or end the delivery.
#include "link/ReportPump.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

using namespace trv630;

namespace {

std::array<std::uint8_t, 8> numbered(std::uint32_t n)
{
    std::array<std::uint8_t, 8> r{};
    std::memcpy(r.data(), &n, sizeof n);
    return r;
}

std::uint32_t numberOf(const InputReport& report)
{
    std::uint32_t n = 0;
    std::memcpy(&n, report.data.data(), sizeof n);
    return n;
}

} // namespace

TEST(ReportPump, ReaderThreadReportsArriveAllInOrderWithTheirStamps)
{
    ReportPump pump;
    std::vector<std::uint32_t> got;
    std::vector<qint64> stamps;
    pump.setHandler([&](const InputReport& r) {
        got.push_back(numberOf(r));
        stamps.push_back(r.arrivalMs);
        EXPECT_EQ(r.data.size(), 8u);
    });
    constexpr std::uint32_t total = 100000;
    std::thread reader([&] {
        for (std::uint32_t i = 0; i < total; ++i)
            pump.push(numbered(i), 1000 + i);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == total; }, 20000));
    reader.join();
    QCoreApplication::processEvents();
    ASSERT_EQ(got.size(), total);
    for (std::uint32_t i = 0; i < total; ++i) {
        ASSERT_EQ(got[i], i);
        ASSERT_EQ(stamps[i], 1000 + qint64(i));
    }
    const auto stats = pump.stats();
    EXPECT_EQ(stats.pushed, total);
    EXPECT_EQ(stats.delivered, total);
    EXPECT_LT(stats.wakeUps, total); // batches, not one wake-up per report
}

TEST(ReportPump, DeliversOnlyFromTheEventLoopNeverInsidePush)
{
    ReportPump pump;
    int delivered = 0;
    pump.setHandler([&](const InputReport&) { ++delivered; });
    pump.push(numbered(1));
    EXPECT_EQ(delivered, 0);
    QCoreApplication::sendPostedEvents(&pump);
    EXPECT_EQ(delivered, 1);
}

TEST(ReportPump, StampsArrivalWithTheWallClock)
{
    ReportPump pump;
    qint64 stamp = 0;
    pump.setHandler([&](const InputReport& r) { stamp = r.arrivalMs; });
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    pump.push(numbered(1));
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    QTest::qWait(20); // delivery later must not move the stamp
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
}

TEST(ReportPump, HandlerThatThrowsDoesNotStopTheDelivery)
{
    ReportPump pump;
    std::vector<std::uint32_t> got;
    pump.setHandler([&](const InputReport& r) {
        got.push_back(numberOf(r));
        if (numberOf(r) % 2 == 0)
            throw std::runtime_error("handler failed");
        if (numberOf(r) == 5)
            throw 42;
    });
    for (std::uint32_t i = 0; i < 8; ++i)
        pump.push(numbered(i));
    QCoreApplication::sendPostedEvents(&pump);
    EXPECT_EQ(got, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    pump.push(numbered(8));
    QCoreApplication::sendPostedEvents(&pump);
    EXPECT_EQ(got.size(), 9u);
}

TEST(ReportPump, NestedEventLoopInAHandlerKeepsTheOrder)
{
    ReportPump pump;
    std::vector<std::uint32_t> got;
    pump.setHandler([&](const InputReport& r) {
        const std::uint32_t n = numberOf(r);
        got.push_back(n);
        if (n == 2) {
            // A modal box: reports keep coming and are handled from its loop.
            pump.push(numbered(100));
            QEventLoop loop;
            QTimer::singleShot(30, &loop, &QEventLoop::quit);
            loop.exec();
            EXPECT_EQ(numberOf(r), 2u); // our own report stays intact
        }
    });
    for (std::uint32_t i = 0; i < 5; ++i)
        pump.push(numbered(i));
    QCoreApplication::sendPostedEvents(&pump);
    QTest::qWait(50);
    EXPECT_EQ(got, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 100}));
}

TEST(ReportPump, ClearingTheHandlerStopsDeliveryAtOnce)
{
    ReportPump pump;
    std::vector<std::uint32_t> got;
    pump.setHandler([&](const InputReport& r) {
        got.push_back(numberOf(r));
        if (numberOf(r) == 1)
            pump.setHandler({});
    });
    for (std::uint32_t i = 0; i < 4; ++i)
        pump.push(numbered(i));
    QCoreApplication::sendPostedEvents(&pump);
    EXPECT_EQ(got, (std::vector<std::uint32_t>{0, 1}));
    EXPECT_FALSE(pump.push(numbered(9)));
    EXPECT_FALSE(pump.hasHandler());
}

TEST(ReportPump, HandlerMayDestroyThePump)
{
    auto pump = std::make_unique<ReportPump>();
    int got = 0;
    pump->setHandler([&](const InputReport&) {
        ++got;
        pump.reset();
    });
    for (std::uint32_t i = 0; i < 3; ++i)
        pump->push(numbered(i));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(got, 1);
    EXPECT_EQ(pump, nullptr);
}

TEST(ReportPump, ReportsQueuedForAnEarlierHandlerAreNotPassedToTheNextOne)
{
    ReportPump pump;
    int first = 0, second = 0;
    pump.setHandler([&](const InputReport&) { ++first; });
    pump.push(numbered(1));
    pump.setHandler([&](const InputReport&) { ++second; });
    pump.push(numbered(2));
    QCoreApplication::sendPostedEvents(&pump);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST(ReportPump, ReportsOfAnyLengthAreHandedOverWhole)
{
    ReportPump pump;
    std::vector<std::vector<std::uint8_t>> got;
    pump.setHandler([&](const InputReport& r) { got.emplace_back(r.data.begin(), r.data.end()); });
    std::vector<std::vector<std::uint8_t>> sent = {{}, {7}, std::vector<std::uint8_t>(500, 0xA5),
                                                   std::vector<std::uint8_t>(4096, 0x11)};
    for (const auto& s : sent)
        pump.push(s);
    QCoreApplication::sendPostedEvents(&pump);
    EXPECT_EQ(got, sent);
}

TEST(ReportPump, DestroyedWithReportsStillQueued)
{
    auto pump = std::make_unique<ReportPump>();
    int got = 0;
    pump->setHandler([&](const InputReport&) { ++got; });
    pump->push(numbered(1));
    pump.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(got, 0);
}

TEST(ReportPump, HandlerOpeningALoopPerReportDoesNotNestWithoutEnd)
{
    ReportPump pump;
    std::vector<std::uint32_t> got;
    int depth = 0, deepest = 0;
    pump.setHandler([&](const InputReport& r) {
        got.push_back(numberOf(r));
        ++depth;
        deepest = std::max(deepest, depth);
        if (got.size() < 50)
            pump.push(numbered(static_cast<std::uint32_t>(got.size()) + 1000));
        QEventLoop loop; // an error box for every report
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
        --depth;
    });
    pump.push(numbered(0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == 50; }, 10000));
    EXPECT_LE(deepest, 2);
    EXPECT_EQ(got[0], 0u);
    for (std::size_t i = 1; i < got.size(); ++i)
        EXPECT_EQ(got[i], 1000 + i) << i;
}
