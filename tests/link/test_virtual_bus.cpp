// The virtual HID bus as the program sees it through HidLink.
#include "link/LinkFactory.h"
#include "link/virtual/VirtualHidBus.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <thread>

using namespace trv630;

namespace {

VirtualDeviceConfig named(const char* product, std::uint16_t vid = 0x1111, std::uint16_t pid = 0x2222)
{
    VirtualDeviceConfig c;
    c.product = QString::fromUtf8(product);
    c.vendorId = vid;
    c.productId = pid;
    return c;
}

std::vector<HidDeviceInfo> listOf(VirtualHidBus& bus)
{
    std::vector<HidDeviceInfo> seen;
    bus.enumerate([&](const HidDeviceInfo& info, int index) {
        EXPECT_EQ(index, static_cast<int>(seen.size()));
        seen.push_back(info);
        return true;
    });
    return seen;
}

} // namespace

TEST(VirtualHidBus, DeviceChangeIsQueuedOncePerAttachAndDetachAfterStart)
{
    VirtualHidBus bus;
    QSignalSpy spy(&bus, &HidLink::deviceChange);
    auto early = bus.attach(named("A"));
    bus.start();
    EXPECT_EQ(spy.count(), 0); // never from inside the call
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 1); // the start-up notification only

    auto b = bus.attach(named("B"));
    EXPECT_EQ(spy.count(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 2);
    bus.detach(b);
    bus.detach(b); // not plugged in: no change
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 3);
}

TEST(VirtualHidBus, EnumeratesInPlugOrderWithIdsAndStopsWhenAsked)
{
    VirtualHidBus bus;
    bus.attach(named("TRV630U", 0x1209, 0x0001));
    VirtualDeviceConfig empty = named("", 0x1234, 0x00AB);
    bus.attach(empty);
    bus.attach(named("Keyboard"));
    const auto seen = listOf(bus);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].product, "TRV630U");
    EXPECT_EQ(seen[1].product, "");
    EXPECT_EQ(seen[1].vendorId, 0x1234);
    EXPECT_EQ(seen[1].productId, 0x00AB);
    EXPECT_EQ(seen[2].product, "Keyboard");

    int calls = 0;
    bus.enumerate([&](const HidDeviceInfo&, int) { return ++calls < 2; });
    EXPECT_EQ(calls, 2);
}

TEST(VirtualHidBus, CheckOutIsExclusiveUntilReleased)
{
    VirtualHidBus bus;
    auto dev = bus.attach(named("TRV630U"));
    listOf(bus);
    auto first = bus.checkOut(0);
    ASSERT_TRUE(first);
    EXPECT_TRUE(dev->isCheckedOut());
    EXPECT_EQ(bus.checkOut(0), nullptr);
    EXPECT_EQ(bus.checkOut(1), nullptr);
    EXPECT_EQ(bus.checkOut(-1), nullptr);
    first.reset();
    EXPECT_FALSE(dev->isCheckedOut());
    EXPECT_TRUE(bus.checkOut(0));
}

TEST(VirtualHidBus, WritesAreRecordedAndInjectedReportsDelivered)
{
    VirtualHidBus bus;
    auto dev = bus.attach(named("TRV630U"));
    listOf(bus);
    auto object = bus.checkOut(0);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->outputReportLength(), 65);
    EXPECT_TRUE(object->hasReadWriteAccess());

    const std::vector<std::uint8_t> report{1, 1, 27, 0};
    EXPECT_EQ(object->writeOutputReport(report), 4);
    EXPECT_EQ(dev->writtenReports(), (std::vector<std::vector<std::uint8_t>>{report}));
    EXPECT_EQ(dev->takeWrittenReports().size(), 1u);
    EXPECT_TRUE(dev->writtenReports().empty());

    const std::uint8_t data[] = {1, 27, 0, 'A'};
    EXPECT_FALSE(dev->inject(data)); // no data handler yet
    std::vector<std::vector<std::uint8_t>> got;
    object->setDataHandler([&](const InputReport& r) { got.emplace_back(r.data.begin(), r.data.end()); });
    EXPECT_TRUE(dev->isDelivering());
    std::thread streamer([&] { EXPECT_TRUE(dev->inject(data, 42)); });
    streamer.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got[0], std::vector<std::uint8_t>(std::begin(data), std::end(data)));

    dev->setOutputReportLength(std::nullopt);
    EXPECT_EQ(object->outputReportLength(), std::nullopt);
}

TEST(VirtualHidBus, DeviceWithoutReadWriteAccessIsListedButSilent)
{
    VirtualHidBus bus;
    VirtualDeviceConfig c = named("TRV630U");
    c.readWriteAccess = false;
    auto dev = bus.attach(c);
    listOf(bus);
    auto object = bus.checkOut(0);
    ASSERT_TRUE(object);
    EXPECT_FALSE(object->hasReadWriteAccess());
    const std::uint8_t report[] = {1, 1, 27, 0};
    EXPECT_EQ(object->writeOutputReport(report), -1);
    EXPECT_TRUE(dev->writtenReports().empty());
    object->setDataHandler([](const InputReport&) { ADD_FAILURE() << "delivered"; });
    EXPECT_FALSE(dev->inject(report));
    QCoreApplication::processEvents();
}

TEST(VirtualHidBus, UnpluggedDeviceFallsSilentAndCanBePluggedInAgain)
{
    VirtualHidBus bus;
    auto dev = bus.attach(named("TRV630U"));
    listOf(bus);
    auto object = bus.checkOut(0);
    int got = 0;
    object->setDataHandler([&](const InputReport&) { ++got; });
    bus.detach(dev);
    EXPECT_FALSE(dev->isAttached());
    const std::uint8_t report[] = {1, 1, 27, 0};
    EXPECT_EQ(object->writeOutputReport(report), -1);
    EXPECT_FALSE(dev->inject(report));
    EXPECT_TRUE(listOf(bus).empty());
    EXPECT_EQ(bus.checkOut(0), nullptr);

    object.reset();
    bus.attach(dev);
    ASSERT_EQ(listOf(bus).size(), 1u);
    auto again = bus.checkOut(0);
    ASSERT_TRUE(again);
    again->setDataHandler([&](const InputReport&) { ++got; });
    EXPECT_TRUE(dev->inject(report));
    QCoreApplication::processEvents();
    EXPECT_EQ(got, 1);
}

TEST(VirtualHidBus, TwoSimulatedModulesAnswerEachOnItsOwn)
{
    VirtualHidBus bus;
    auto a = bus.attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), false);
    auto b = bus.attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), false);
    const auto seen = listOf(bus);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].product, "TRV630U");
    EXPECT_EQ(seen[1].product, "TRV630U");
    EXPECT_NE(seen[0].path, seen[1].path);

    auto objA = bus.checkOut(0);
    auto objB = bus.checkOut(1);
    int gotA = 0, gotB = 0;
    objA->setDataHandler([&](const InputReport&) { ++gotA; });
    objB->setDataHandler([&](const InputReport&) { ++gotB; });
    const std::uint8_t write[] = {1, 2, 5, 2, 0, 0, 0x80, 0x3F}; // AdcOffset1[2] := 1.0
    objB->writeOutputReport(write);
    QCoreApplication::processEvents();
    EXPECT_EQ(gotA, 0);
    EXPECT_EQ(gotB, 1);
    EXPECT_TRUE(a->writtenReports().empty());
    EXPECT_EQ(b->writtenReports().size(), 1u);
}

TEST(VirtualHidBus, SimulatedLinkHasOneModule)
{
    auto link = createSimulatedLink();
    auto* bus = dynamic_cast<VirtualHidBus*>(link.get());
    ASSERT_NE(bus, nullptr);
    ASSERT_EQ(bus->devices().size(), 1u);
    EXPECT_EQ(bus->devices()[0]->info().product, "TRV630U");
    EXPECT_TRUE(bus->devices()[0]->hasReadWriteAccess());
    EXPECT_EQ(bus->devices()[0]->outputReportLength(), 65);
}
