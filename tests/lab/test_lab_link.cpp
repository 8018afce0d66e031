// The hidapi backend against emulated hidraw devices: enumeration through
// libudev, the udev monitor, opening, writing, reading with the report id
// stripped, the stream rate, and unplugging.
#include "lab/LabFixture.h"

#include "link/HidapiDevice.h"
#include "link/HidapiLink.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <chrono>
#include <thread>

using namespace trv630;
using namespace trv630::lab;

namespace {

struct Listed {
    HidDeviceInfo info;
    int index;
};

std::vector<Listed> listDevices(HidapiLink& link)
{
    std::vector<Listed> listed;
    link.enumerate([&](const HidDeviceInfo& info, int index) {
        listed.push_back({info, index});
        return true;
    });
    return listed;
}

std::optional<int> indexOf(const std::vector<Listed>& listed, const QString& path)
{
    for (const Listed& l : listed)
        if (l.info.path == path)
            return l.index;
    return std::nullopt;
}

std::vector<std::uint8_t> readRequest(std::uint8_t id, std::uint8_t index, std::size_t length)
{
    std::vector<std::uint8_t> report(length, 0);
    report[0] = 1; // report id
    report[1] = 1; // ReadRequest
    report[2] = id;
    report[3] = index;
    return report;
}

class LabLink : public LabTest {};

TEST_F(LabLink, EnumerationListsEveryDeviceWithItsStringsAndIds)
{
    for (int n : {HidLab::Module, HidLab::OtherProduct, HidLab::ReadOnlyModule, HidLab::NoProductString})
        lab->plug(n, false);
    HidapiLink link;
    const auto listed = listDevices(link);
    ASSERT_EQ(listed.size(), 4u);

    struct Expected {
        const char* path;
        const char* product;
        std::uint16_t vid, pid;
    };
    const Expected expected[] = {
        {"/dev/hidraw0", "TRV630U", 0x1209, 0x7630},
        {"/dev/hidraw1", "USB Optical Sensor", 0x1234, 0x5678},
        {"/dev/hidraw2", "TRV630U", 0x1209, 0x7630},
        {"/dev/hidraw3", "", 0x1234, 0x00AB},
    };
    for (const Expected& e : expected) {
        const auto index = indexOf(listed, e.path);
        ASSERT_TRUE(index) << e.path;
        const HidDeviceInfo& info = listed[*index].info;
        EXPECT_EQ(info.product, QString(e.product)) << e.path;
        EXPECT_EQ(info.vendorId, e.vid) << e.path;
        EXPECT_EQ(info.productId, e.pid) << e.path;
    }

    lab->unplug(HidLab::OtherProduct, false);
    EXPECT_EQ(listDevices(link).size(), 3u);
}

TEST_F(LabLink, ModuleAnswersAReadRequestWithTheReportIdStripped)
{
    lab->plug(HidLab::Module, false);
    HidapiLink link;
    listDevices(link);
    auto device = link.checkOut(0);
    ASSERT_TRUE(device);
    EXPECT_TRUE(device->hasReadWriteAccess());
    ASSERT_EQ(device->outputReportLength(), 65);
    EXPECT_FALSE(link.checkOut(0)) << "a checked-out device is exclusive";

    std::vector<std::vector<std::uint8_t>> received;
    device->setDataHandler([&](const InputReport& r) { received.emplace_back(r.data.begin(), r.data.end()); });
    const auto request = readRequest(27, 0, 65); // FirmwareVersion
    EXPECT_EQ(device->writeOutputReport(request), 65);

    QTRY_VERIFY_WITH_TIMEOUT(!received.empty(), 3000);
    ASSERT_EQ(lab->writes().size(), 1u);
    EXPECT_EQ(lab->writes()[0], request);
    const auto& reply = received[0];
    ASSERT_EQ(reply.size(), 64u) << "64 data bytes after the report id";
    EXPECT_EQ(reply[0], 1) << "kind ParameterValue";
    EXPECT_EQ(reply[1], 27);
    EXPECT_EQ(reply[2], 0);

    device.reset();
    EXPECT_TRUE(link.checkOut(0)) << "released devices can be checked out again";
}

TEST_F(LabLink, DeviceNotOpenableForWritingIsListedWithoutAccess)
{
    lab->plug(HidLab::ReadOnlyModule, false);
    HidapiLink link;
    const auto listed = listDevices(link);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].info.product, "TRV630U");
    auto device = link.checkOut(0);
    ASSERT_TRUE(device);
    EXPECT_FALSE(device->hasReadWriteAccess());
    EXPECT_EQ(device->writeOutputReport(readRequest(27, 0, 65)), -1);
}

TEST_F(LabLink, UdevMonitorReportsStartPlugAndUnplug)
{
    HidapiLink link;
    QSignalSpy changes(&link, &HidLink::deviceChange);
    link.start();
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 1, 2000);

    lab->plug(HidLab::Module);
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 2, 2000);
    EXPECT_EQ(listDevices(link).size(), 1u);

    lab->unplug(HidLab::Module);
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 3, 2000);
    EXPECT_TRUE(listDevices(link).empty());
}

TEST_F(LabLink, PollsTheEnumerationWhereUdevdIsNotRunning)
{
    ASSERT_EQ(std::rename("/run/udev/control", "/run/udev/control.away"), 0);
    struct Restore {
        ~Restore() { std::rename("/run/udev/control.away", "/run/udev/control"); }
    } restore;
    HidapiLink link;
    QSignalSpy changes(&link, &HidLink::deviceChange);
    link.start();
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 1, 2000);
    listDevices(link);

    lab->plug(HidLab::Module, false); // no event: only polling can notice
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 2, 3000);
    lab->unplug(HidLab::Module, false);
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 3, 3000);
}

TEST_F(LabLink, VanishingDeviceEndsItsReaderAndReleasesCleanly)
{
    lab->plug(HidLab::Module, false);
    HidapiLink link;
    listDevices(link);
    auto device = link.checkOut(0);
    ASSERT_TRUE(device && device->hasReadWriteAccess());
    int received = 0;
    device->setDataHandler([&](const InputReport&) { ++received; });
    const std::uint8_t ping[64] = {3};
    lab->sendInput(HidLab::Module, ping);
    QTRY_COMPARE_WITH_TIMEOUT(received, 1, 2000);

    lab->unplug(HidLab::Module);
    auto* hidapiDevice = dynamic_cast<HidapiDevice*>(device.get());
    ASSERT_TRUE(hidapiDevice);
    QTRY_VERIFY_WITH_TIMEOUT(hidapiDevice->readerLost(), 2000);
    EXPECT_EQ(device->writeOutputReport(readRequest(27, 0, 65)), -1);

    const auto start = std::chrono::steady_clock::now();
    device.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    // FUSE hears of the closes a little later (release is asynchronous).
    QTRY_COMPARE_WITH_TIMEOUT(lab->fuse().openCount(HidLab::Module), 0, 2000);
}

TEST_F(LabLink, StreamOf8000ReportsPerSecondArrivesCompleteAndInOrder)
{
    lab->plug(HidLab::Module, false);
    HidapiLink link;
    listDevices(link);
    auto device = link.checkOut(0);
    ASSERT_TRUE(device && device->hasReadWriteAccess());

    constexpr std::uint32_t total = 8000 * 5;
    std::uint32_t next = 0;
    std::uint32_t outOfOrder = 0;
    std::uint32_t received = 0;
    qint64 lastArrival = 0;
    std::uint32_t stampsBackwards = 0;
    device->setDataHandler([&](const InputReport& r) {
        std::uint32_t seq = 0;
        std::memcpy(&seq, r.data.data() + 1, sizeof seq);
        ++received;
        if (seq != next)
            ++outOfOrder;
        next = seq + 1;
        if (r.arrivalMs < lastArrival)
            ++stampsBackwards;
        lastArrival = r.arrivalMs;
    });

    // The producer keeps absolute deadlines: 8 reports every millisecond.
    std::atomic<bool> produced{false};
    std::chrono::steady_clock::time_point producedAt;
    std::thread producer([&] {
        auto deadline = std::chrono::steady_clock::now();
        std::uint8_t report[64] = {0x7F}; // a kind the program ignores
        for (std::uint32_t seq = 0; seq < total; ++seq) {
            if (seq % 8 == 0) {
                deadline += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(deadline);
            }
            std::memcpy(report + 1, &seq, sizeof seq);
            lab->sendInput(HidLab::Module, report);
        }
        producedAt = std::chrono::steady_clock::now();
        produced = true;
    });
    const auto start = std::chrono::steady_clock::now();
    QTRY_VERIFY_WITH_TIMEOUT(next == total && produced, 60000);
    const auto deliveredAt = std::chrono::steady_clock::now();
    producer.join();
    using Seconds = std::chrono::duration<double>;
    const double lag = Seconds(deliveredAt - producedAt).count();
    RecordProperty("seconds", std::to_string(Seconds(deliveredAt - start).count()));
    RecordProperty("lag_after_last_report", std::to_string(lag));
    EXPECT_EQ(next, total);
    EXPECT_EQ(received, total) << "reports lost";
    EXPECT_EQ(outOfOrder, 0u);
    EXPECT_EQ(stampsBackwards, 0u);
    // The reader kept pace: the last report was handled soon after it was sent.
    EXPECT_LT(lag, 2.0);
}

struct StripCase {
    const char* name;
    int node;
    std::size_t sent;     // data bytes after the report id (if any)
    std::size_t received; // bytes the handler gets
    friend void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }
};

class LabReportId : public LabTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(LabReportId, IsStrippedOnlyForNumberedDevices)
{
    const StripCase& c = GetParam();
    lab->plug(c.node, false);
    HidapiLink link;
    listDevices(link);
    auto device = link.checkOut(0);
    ASSERT_TRUE(device && device->hasReadWriteAccess());
    std::vector<std::uint8_t> got;
    device->setDataHandler([&](const InputReport& r) { got.assign(r.data.begin(), r.data.end()); });
    std::vector<std::uint8_t> data(c.sent);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(0xA0 + i);
    lab->sendInput(c.node, data);
    QTRY_VERIFY_WITH_TIMEOUT(!got.empty(), 2000);
    EXPECT_EQ(got, data);
    EXPECT_EQ(got.size(), c.received);
}

INSTANTIATE_TEST_SUITE_P(Lab, LabReportId,
    ::testing::Values(StripCase{"numbered_module", HidLab::Module, 64, 64},
                      StripCase{"unnumbered_sensor", HidLab::OtherProduct, 8, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabLink, OutputLengthComesFromTheNodeWhenSysfsHasNoDescriptor)
{
    lab->plug(HidLab::Module, false);
    ASSERT_EQ(std::remove("/sys/class/hidraw/hidraw0/device/report_descriptor"), 0);
    HidapiLink link;
    listDevices(link);
    auto device = link.checkOut(0);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->outputReportLength(), 65) << "through HIDIOCGRDESCSIZE / HIDIOCGRDESC";
}

} // namespace
