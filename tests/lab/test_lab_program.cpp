// The real window on the hidapi backend against the emulated module: the
// path every user with hardware takes, from the udev event to the reply.
#include "lab/LabFixture.h"

#include "app/Errors.h"
#include "app/Strings.h"
#include "app/TFMain.h"
#include "app/pages/SettingsPage.h"
#include "link/LinkFactory.h"
#include "protocol/OutputRule.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace trv630;
using namespace trv630::lab;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes request(std::uint8_t opcode, std::initializer_list<std::uint8_t> payload)
{
    Bytes r(65, 0);
    r[0] = 1;
    r[1] = opcode;
    std::copy(payload.begin(), payload.end(), r.begin() + 2);
    return r;
}

bool wrote(HidLab& lab, const Bytes& report)
{
    const auto writes = lab.writes();
    return std::find(writes.begin(), writes.end(), report) != writes.end();
}

class LabWindow : public LabTest {
protected:
    void SetUp() override
    {
        LabTest::SetUp();
        if (IsSkipped())
            return;
        previousPresenter_ = setErrorBoxPresenter([this](const QString& text) { errors << text; });
    }
    void TearDown() override
    {
        window.reset();
        if (lab)
            setErrorBoxPresenter(previousPresenter_);
        LabTest::TearDown();
    }

    void openWindow()
    {
        window = std::make_unique<TFMain>(createPlatformLink(), TFMain::Options{settings.path()});
    }
    QString linkState() const { return window->panelText(1); }
    QStringList listed() const
    {
        QStringList texts;
        for (int row = 0; row < window->TabSheet4->ListBox1->count(); ++row)
            texts << window->TabSheet4->ListBox1->item(row)->text();
        return texts;
    }

    QTemporaryDir settings;
    std::unique_ptr<TFMain> window;
    QStringList errors;

private:
    ErrorBoxPresenter previousPresenter_;
};

TEST_F(LabWindow, ConnectsReadsAndCompletesTheOutputRuleChain)
{
    for (int n : {HidLab::Module, HidLab::OtherProduct, HidLab::NoProductString})
        lab->plug(n, false);
    openWindow();
    QTRY_COMPARE_WITH_TIMEOUT(linkState(), lookupString(StringId::IDS_7), 3000);
    EXPECT_TRUE(window->connected);
    EXPECT_EQ(listed(), QStringList({"Device VID=1234 PID=00AB", "TRV630U", "USB Optical Sensor"}));

    // Connection asks for the firmware version with a 65-byte report; the
    // reply (kind 1, report id stripped) makes the window ask for the
    // temperature next.
    EXPECT_EQ(lab->writes().at(0), request(1, {27, 0}));
    QTRY_VERIFY_WITH_TIMEOUT(wrote(*lab, request(1, {31, 0})), 3000);

    // The six-part output-rule write: each acknowledgement sends the next part.
    for (int k = 0; k < 6; ++k)
        window->outputRuleTable[k] = OutputRuleEntry{1, 0, 0, 0, 1, float(k), float(k) + 0.5f};
    window->sendReport(2, outputRulePayload(window->outputRuleTable, 0));
    QTRY_VERIFY_WITH_TIMEOUT(window->panelText(0).endsWith("16][5]"), 3000);
    std::vector<int> parts;
    for (const Bytes& w : lab->writes()) {
        EXPECT_EQ(w.size(), 65u);
        if (w[1] == 2 && w[2] == 16)
            parts.push_back(w[3]);
    }
    EXPECT_EQ(parts, std::vector<int>({0, 1, 2, 3, 4, 5}));

    // Measurement reports stream in and are counted.
    lab->setStreaming(true);
    QTRY_VERIFY_WITH_TIMEOUT(window->measurementCount >= 20, 5000);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(LabWindow, ReportsOfAnyLengthAreHandledWithoutHarm)
{
    lab->plug(HidLab::Module, false);
    openWindow();
    QTRY_VERIFY_WITH_TIMEOUT(window->connected, 3000);
    window->FreqTimer.stop(); // keeps reportCount from being reset
    window->Timer1.stop();    // no temperature requests meanwhile
    QTRY_VERIFY_WITH_TIMEOUT(wrote(*lab, request(1, {31, 0})), 3000); // version reply handled
    QTest::qWait(200);        // the temperature reply too
    window->reportCount = 0;

    // Data lengths after the report id: 0 (a bare id carries nothing and is
    // not delivered, so no stale buffer is dispatched again), 1, 64, 500 of
    // random bytes, and a kind the program does not know.
    std::srand(630);
    int delivered = 0;
    for (std::size_t length : {0u, 1u, 64u, 500u, 3u}) {
        Bytes data(length);
        for (auto& b : data)
            b = static_cast<std::uint8_t>(std::rand());
        if (!data.empty())
            data[0] = static_cast<std::uint8_t>(3 + std::rand() % 250); // never a measurement
        lab->sendInput(HidLab::Module, data);
        delivered += length > 0 ? 1 : 0;
    }
    QTRY_COMPARE_WITH_TIMEOUT(window->reportCount, std::uint32_t(delivered), 3000);
    EXPECT_EQ(window->measurementCount, 0u);
    EXPECT_TRUE(window->connected);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(LabWindow, ModuleNotOpenableForWritingIsListedButNotConnected)
{
    lab->plug(HidLab::ReadOnlyModule, false);
    lab->plug(HidLab::OtherProduct, false);
    openWindow();
    QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList({"TRV630U", "USB Optical Sensor"}), 3000);
    EXPECT_EQ(linkState(), lookupString(StringId::IDS_8));
    EXPECT_FALSE(window->connected);
    QTest::qWait(100);
    EXPECT_TRUE(lab->writes().empty());
}

TEST_F(LabWindow, HundredUnplugReplugCyclesLeakNoDescriptorsOrThreads)
{
    lab->plug(HidLab::Module, false);
    openWindow();
    const QString connectedText = lookupString(StringId::IDS_7);
    const QString disconnectedText = lookupString(StringId::IDS_8);
    QTRY_COMPARE_WITH_TIMEOUT(linkState(), connectedText, 3000);

    const auto cycle = [&] {
        lab->unplug(HidLab::Module);
        QTRY_COMPARE_WITH_TIMEOUT(linkState(), disconnectedText, 3000);
        EXPECT_FALSE(window->connected);
        EXPECT_TRUE(listed().isEmpty());
        lab->plug(HidLab::Module);
        QTRY_COMPARE_WITH_TIMEOUT(linkState(), connectedText, 3000);
    };
    cycle(); // first cycle: lazily created resources settle
    const int fds = openFdCount();
    const int threads = threadCount();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100 && !HasFailure(); ++i)
        cycle();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
    EXPECT_TRUE(window->connected);
    EXPECT_EQ(openFdCount(), fds);
    EXPECT_EQ(threadCount(), threads);
    // The window's write and read handles; FUSE hears of closes a little later.
    QTRY_COMPARE_WITH_TIMEOUT(lab->fuse().openCount(HidLab::Module), 2, 2000);
}

} // namespace
