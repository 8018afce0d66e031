// Device discovery, connection, framing and dispatch of the real window,
// driven through the virtual HID bus.
#include "app/DeviceListItem.h"
#include "app/Strings.h"
#include "app/pages/SettingsPage.h"
#include "link/RateText.h"
#include "link/virtual/VirtualHidDevice.h"
#include "protocol/MeasurementReport.h"
#include "protocol/OutputRule.h"
#include "support/WindowFixture.h"

#include <QListWidget>
#include <gtest/gtest.h>

#include <random>

using namespace trv630;
using trv630::test::WindowHarness;

namespace {

using Bytes = std::vector<std::uint8_t>;

QString text(StringId id) { return lookupString(id); }

QStringList listTexts(TFMain& w)
{
    QStringList texts;
    for (int row = 0; row < w.TabSheet4->ListBox1->count(); ++row)
        texts << w.TabSheet4->ListBox1->item(row)->text();
    return texts;
}

Bytes readRequest(std::uint8_t id, std::uint8_t index)
{
    Bytes r(65, 0);
    r[0] = 1;
    r[1] = 1;
    r[2] = id;
    r[3] = index;
    return r;
}

VirtualDeviceConfig device(const char* product, bool readWrite = true)
{
    VirtualDeviceConfig c = SimulatedModuleDevice::defaultConfig();
    c.product = QString::fromUtf8(product);
    c.readWriteAccess = readWrite;
    return c;
}

// A window whose module does not stream and whose counters start afresh.
struct QuietWindow : WindowHarness {
    QuietWindow()
    {
        window().FreqTimer.stop(); // keeps reportCount from being reset mid-test
        processEvents();
        window().reportCount = 0;
        takeWrittenReports();
    }
};

} // namespace

TEST(DeviceDiscovery, ConnectsToTheModuleAndAsksForItsFirmwareVersion)
{
    WindowHarness h;
    TFMain& w = h.window();
    EXPECT_TRUE(w.connected);
    EXPECT_EQ(listTexts(w), QStringList{"TRV630U"});
    EXPECT_EQ(w.panelText(1), text(StringId::IDS_7));
    EXPECT_EQ(w.panelText(0), text(StringId::IDS_10));
    ASSERT_NE(w.currentDevice, nullptr);
    EXPECT_EQ(w.currentDevice, DeviceListItem::deviceOf(w.TabSheet4->ListBox1->item(0)));
    const auto written = h.module()->writtenReports();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written[0], readRequest(27, 0));
    EXPECT_TRUE(h.module()->isDelivering());
}

namespace {

struct DiscoveryCase {
    const char* name;
    std::vector<VirtualDeviceConfig> devices; // plugged in this order
    QStringList expectedList;                  // sorted
    bool expectConnected;
    bool holdFirstElsewhere = false;           // checkout by the window fails
};

VirtualDeviceConfig blank(std::uint16_t vid, std::uint16_t pid)
{
    VirtualDeviceConfig c;
    c.vendorId = vid;
    c.productId = pid;
    return c;
}

const std::vector<DiscoveryCase>& discoveryCases()
{
    static const std::vector<DiscoveryCase> cases = {
        {"no device at all", {}, {}, false},
        {"product string differs only in case", {device("trv630u")}, {"trv630u"}, false},
        {"product string with a blank", {device("TRV630U ")}, {"TRV630U "}, false},
        {"empty product string", {blank(0x1234, 0x00AB)}, {"Device VID=1234 PID=00AB"}, false},
        {"empty product string, high ids", {blank(0xFFFF, 0x0001)}, {"Device VID=FFFF PID=0001"}, false},
        {"module without read/write access", {device("TRV630U", false)}, {"TRV630U"}, false},
        {"module held by another program", {device("TRV630U")}, {"TRV630U"}, false, true},
        {"module among other devices",
         {device("Mouse"), device("TRV630U"), blank(0x0001, 0x0002), device("Keyboard")},
         {"Device VID=0001 PID=0002", "Keyboard", "Mouse", "TRV630U"},
         true},
    };
    return cases;
}

} // namespace

TEST(DeviceDiscovery, ListsEveryDeviceAndConnectsOnlyToAnExactMatch)
{
    for (const DiscoveryCase& c : discoveryCases()) {
        SCOPED_TRACE(c.name);
        std::vector<std::shared_ptr<VirtualDevice>> devices;
        std::unique_ptr<HidDevice> held;
        WindowHarness::Options options;
        options.attachModule = false;
        options.beforeWindow = [&](VirtualHidBus& bus, const QString&) {
            for (const VirtualDeviceConfig& config : c.devices)
                devices.push_back(config.product == "TRV630U"
                                      ? bus.attachSimulatedModule(config, false)
                                      : bus.attach(config));
            if (c.holdFirstElsewhere)
                held = bus.checkOut(devices.front());
        };
        WindowHarness h(options);
        TFMain& w = h.window();
        EXPECT_EQ(listTexts(w), c.expectedList);
        EXPECT_EQ(w.connected, c.expectConnected);
        EXPECT_EQ(w.panelText(1), text(c.expectConnected ? StringId::IDS_7 : StringId::IDS_8));
        if (c.expectedList.isEmpty()) {
            EXPECT_TRUE(w.panelText(0).isEmpty());
        } else {
            EXPECT_EQ(w.panelText(0), text(StringId::IDS_10));
        }

        // Requests go out only while connected.
        w.requestParameter(27, 0);
        h.processEvents();
        std::size_t writes = 0;
        for (const auto& d : devices)
            writes += d->writtenReports().size();
        if (c.expectConnected) {
            EXPECT_GE(writes, 2u);
        } else {
            EXPECT_EQ(writes, 0u);
        }
        if (c.holdFirstElsewhere) {
            EXPECT_EQ(DeviceListItem::deviceOf(w.TabSheet4->ListBox1->item(0)), nullptr);
        }
    }
}

TEST(DeviceDiscovery, OfTwoModulesTheLaterInTheListIsConnected)
{
    std::shared_ptr<SimulatedModuleDevice> a, b;
    WindowHarness::Options options;
    options.attachModule = false;
    options.beforeWindow = [&](VirtualHidBus& bus, const QString&) {
        a = bus.attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), false);
        b = bus.attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), false);
    };
    WindowHarness h(options);
    TFMain& w = h.window();
    EXPECT_EQ(listTexts(w), (QStringList{"TRV630U", "TRV630U"}));
    EXPECT_TRUE(w.connected);

    auto* first = dynamic_cast<VirtualHidDevice*>(DeviceListItem::deviceOf(w.TabSheet4->ListBox1->item(0)));
    auto* last = dynamic_cast<VirtualHidDevice*>(DeviceListItem::deviceOf(w.TabSheet4->ListBox1->item(1)));
    ASSERT_TRUE(first && last);
    EXPECT_EQ(w.currentDevice, last);
    EXPECT_FALSE(first->device()->isDelivering()); // lost its handler
    EXPECT_TRUE(last->device()->isDelivering());
    EXPECT_TRUE(first->device()->isCheckedOut());  // still owned by its entry

    // Later requests reach only the connected one.
    first->device()->takeWrittenReports();
    last->device()->takeWrittenReports();
    w.requestParameter(17, 2);
    EXPECT_TRUE(first->device()->writtenReports().empty());
    ASSERT_EQ(last->device()->writtenReports().size(), 1u);
}

TEST(DeviceDiscovery, LaterEntryWithoutAccessLeavesTheProgramDisconnected)
{
    // Two entries with the same text: the walk ends on the later one.
    WindowHarness::Options options;
    options.attachModule = false;
    options.beforeWindow = [&](VirtualHidBus& bus, const QString&) {
        bus.attachSimulatedModule(SimulatedModuleDevice::defaultConfig(), false);
        bus.attach(device("TRV630U", false));
    };
    WindowHarness h(options);
    TFMain& w = h.window();
    ASSERT_EQ(w.TabSheet4->ListBox1->count(), 2);
    HidDevice* later = DeviceListItem::deviceOf(w.TabSheet4->ListBox1->item(1));
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(w.connected, later->hasReadWriteAccess());
    EXPECT_EQ(w.panelText(1), text(later->hasReadWriteAccess() ? StringId::IDS_7 : StringId::IDS_8));
}

TEST(DeviceDiscovery, UnplugAndReplug)
{
    WindowHarness h;
    TFMain& w = h.window();
    ASSERT_TRUE(w.connected);
    h.unplugModule();
    EXPECT_FALSE(w.connected);
    EXPECT_EQ(w.currentDevice, nullptr);
    EXPECT_TRUE(listTexts(w).isEmpty());
    EXPECT_EQ(w.panelText(1), text(StringId::IDS_8));
    EXPECT_FALSE(h.module()->isCheckedOut()); // the list released it

    h.takeWrittenReports();
    w.requestParameter(27, 0);
    EXPECT_TRUE(h.takeWrittenReports().empty());

    h.replugModule();
    EXPECT_TRUE(w.connected);
    EXPECT_EQ(listTexts(w), QStringList{"TRV630U"});
    EXPECT_EQ(w.panelText(1), text(StringId::IDS_7));
    const auto written = h.takeWrittenReports();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written[0], readRequest(27, 0));
}

TEST(DeviceDiscovery, EveryDeviceChangeRebuildsTheList)
{
    WindowHarness h;
    h.bus().attach(device("Keyboard"));
    h.processEvents();
    EXPECT_EQ(listTexts(h.window()), (QStringList{"Keyboard", "TRV630U"}));
    EXPECT_TRUE(h.window().connected);
    EXPECT_EQ(h.window().TabSheet4->ListBox1->count(), 2);
}

TEST(Requests, ReadRequestIsSixtyFiveBytes)
{
    QuietWindow h;
    h.window().requestParameter(17, 2);
    EXPECT_EQ(h.takeWrittenReports(), std::vector<Bytes>{readRequest(17, 2)});
}

TEST(Requests, NothingIsSentWhileDisconnected)
{
    QuietWindow h;
    h.window().connected = false;
    h.window().requestParameter(27, 0);
    const std::uint8_t payload[] = {14, 0, 10, 0, 0, 0};
    h.window().sendReport(2, payload);
    EXPECT_TRUE(h.takeWrittenReports().empty());
}

TEST(Requests, OutputReportLengthDecidesWhatIsWritten)
{
    struct LengthCase {
        std::optional<int> length;
        std::size_t written; // 0: no write
    };
    const LengthCase cases[] = {{65, 65}, {256, 256}, {4, 4}, {17, 17}, {257, 0},
                                {100000, 0}, {3, 0}, {0, 0}, {std::nullopt, 0}};
    QuietWindow h;
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.length ? *c.length : -1);
        h.module()->setOutputReportLength(c.length);
        h.window().requestParameter(31, 0);
        const auto written = h.takeWrittenReports();
        if (c.written == 0) {
            EXPECT_TRUE(written.empty());
            continue;
        }
        ASSERT_EQ(written.size(), 1u);
        EXPECT_EQ(written[0].size(), c.written);
        EXPECT_EQ(written[0][2], 31);
    }
}

TEST(Dispatch, SixPartOutputRuleWriteThroughTheModule)
{
    QuietWindow h;
    TFMain& w = h.window();
    for (int k = 0; k < 6; ++k)
        w.outputRuleTable[k] = {std::uint8_t(k % 3), 1, 0, 2, 1, 0.5f * k, 10.0f + k};
    w.sendReport(2, outputRulePayload(w.outputRuleTable, 0));
    EXPECT_EQ(h.module()->writtenReports().size(), 1u); // the next part waits for the ack
    h.processEvents();
    const auto written = h.takeWrittenReports();
    ASSERT_EQ(written.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        const auto payload = outputRulePayload(w.outputRuleTable, k);
        EXPECT_EQ(written[k][1], 2);
        EXPECT_TRUE(std::equal(payload.begin(), payload.end(), written[k].begin() + 2)) << k;
    }
    EXPECT_EQ(w.panelText(0), text(StringId::IDS_2) + "16][5]");
}

TEST(Dispatch, AcknowledgementsShowTheUpdateMessage)
{
    QuietWindow h;
    TFMain& w = h.window();
    const std::uint8_t ack[] = {2, 5, 2};
    h.sendReport(ack);
    EXPECT_EQ(w.panelText(0), text(StringId::IDS_2) + "5][2]");
    EXPECT_TRUE(text(StringId::IDS_2).endsWith("["));

    // The acknowledgement of part 4 sends part 5; the module's
    // acknowledgement of part 5 ends the chain with the message.
    const std::uint8_t part4[] = {2, 16, 4};
    w.setPanelText(0, "before");
    h.sendReport(part4);
    const auto written = h.takeWrittenReports();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0][2], 16);
    EXPECT_EQ(written[0][3], 5);
    EXPECT_EQ(w.panelText(0), text(StringId::IDS_2) + "16][5]");
}

TEST(Dispatch, ReportOfKindThreeIsOnlyCounted)
{
    QuietWindow h;
    TFMain& w = h.window();
    MeasurementFrame values;
    values.analog[1].value = 2.0f;
    h.sendMeasurement(values);
    const std::uint32_t measurements = w.measurementCount;
    const QString panel0 = w.panelText(0);
    w.reportCount = 0;
    const std::uint8_t kind3[] = {3, 16, 4, 1, 2, 3};
    h.sendReport(kind3);
    EXPECT_EQ(w.reportCount, 1u);
    EXPECT_EQ(w.measurementCount, measurements);
    EXPECT_EQ(w.frame.analog[1].value, 2.0f);
    EXPECT_EQ(w.panelText(0), panel0);
    EXPECT_TRUE(h.takeWrittenReports().empty());
    EXPECT_EQ(w.receiveBuffer[0], 3);
    EXPECT_EQ(w.receiveBuffer[5], 3);
}

TEST(Dispatch, ThreeMeasurementsAndOneReplyCountThreeAndFour)
{
    QuietWindow h;
    TFMain& w = h.window();
    const std::uint32_t before = w.measurementCount;
    w.reportCount = 0;
    MeasurementFrame values;
    h.sendMeasurement(values);
    h.sendMeasurement(values);
    const std::uint8_t mathModeReply[] = {1, 11, 0, 3};
    h.sendReport(mathModeReply);
    h.sendMeasurement(values);
    EXPECT_EQ(w.measurementCount - before, 3u);
    EXPECT_EQ(w.reportCount, 4u);
}

TEST(Dispatch, MeasurementIsDecodedWithItsArrivalStamp)
{
    QuietWindow h;
    TFMain& w = h.window();
    MeasurementFrame values;
    values.encoder[1] = {3, -4.5f, 1234.5f};
    values.statusBitsA = 0x21;
    h.sendMeasurement(values, 1700000000123);
    EXPECT_EQ(w.frame.encoder[1].mode, 3);
    EXPECT_EQ(w.frame.encoder[1].velocity, -4.5f);
    EXPECT_EQ(w.frame.encoder[1].position, 1234.5f);
    EXPECT_EQ(w.frame.statusBitsA, 0x21);
    EXPECT_EQ(w.reportArrivalMs, 1700000000123);
}

TEST(RateDisplay, ThousandReportsInOnePeriod)
{
    QuietWindow h;
    TFMain& w = h.window();
    const std::uint8_t kind3[] = {3};
    for (int i = 0; i < 1000; ++i)
        h.module()->inject(kind3);
    h.processEvents();
    ASSERT_EQ(w.reportCount, 1000u);
    w.FreqTimerTimer();
    EXPECT_EQ(w.panelText(2), QStringLiteral("3") + QLocale().decimalPoint() + QStringLiteral("0030 kHz"));
    EXPECT_EQ(w.reportCount, 0u);
    w.FreqTimerTimer();
    EXPECT_EQ(w.panelText(2), rateText(0, 333));
}

TEST(RateDisplay, RunsWithoutAModule)
{
    WindowHarness::Options options;
    options.attachModule = false;
    WindowHarness h(options);
    ASSERT_TRUE(h.waitUntil([&] { return !h.window().panelText(2).isEmpty(); }, 2000));
    EXPECT_EQ(h.window().panelText(2), rateText(0, 333));
}

TEST(BadInput, ReportsOfAnyLengthAndContentNeverCrash)
{
    QuietWindow h;
    TFMain& w = h.window();
    std::vector<Bytes> reports = {{}, {0}, {1}, {2}, Bytes(500, 0), Bytes(500, 1), Bytes(500, 2), Bytes(500, 0xFF)};
    std::mt19937 rng(2);
    for (int i = 0; i < 3000; ++i) {
        Bytes r(rng() % 300);
        for (auto& b : r)
            b = static_cast<std::uint8_t>(rng());
        if (!r.empty())
            r[0] %= 4;
        reports.push_back(std::move(r));
    }
    for (const Bytes& r : reports)
        h.module()->inject(r);
    h.processEvents();
    EXPECT_TRUE(h.waitUntil([&] { return w.reportCount >= reports.size(); }, 10000));
    EXPECT_GE(w.reportCount, reports.size());
}

TEST(Streaming, MeasurementsFlowFromTheModuleThread)
{
    WindowHarness::Options options;
    options.streaming = true;
    WindowHarness h(options);
    const std::uint32_t start = h.window().measurementCount;
    EXPECT_TRUE(h.waitUntil([&] { return h.window().measurementCount >= start + 10; }, 5000));
    EXPECT_GT(h.window().reportArrivalMs, 0);
}
