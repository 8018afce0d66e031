#include "ParamsWindowFixture.h"

#include "link/virtual/SimulatedModuleDevice.h"

#include <QTest>

namespace trv630::test {

void ParamsWindow::SetUp()
{
    previousLocale_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    WindowHarness::Options options;
    options.attachModule = false;
    options.beforeWindow = [this](VirtualHidBus& bus, const QString&) {
        device = bus.attach(SimulatedModuleDevice::defaultConfig());
    };
    harness = std::make_unique<WindowHarness>(options);
    ASSERT_TRUE(window().connected);
    device->takeWrittenReports(); // the firmware-version request of the connection
}

void ParamsWindow::TearDown()
{
    harness.reset();
    QLocale::setDefault(previousLocale_);
}

void ParamsWindow::type(const char* boxName, const QString& text)
{
    QLineEdit* edit = box(boxName);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void ParamsWindow::click(const char* buttonName)
{
    if (auto* b = find<QPushButton>(buttonName))
        b->click();
    harness->processEvents();
}

void ParamsWindow::choose(const char* listName, int index)
{
    QComboBox* l = list(listName);
    l->setCurrentIndex(index);
    emit l->activated(index);
}

void ParamsWindow::receive(const Bytes& data)
{
    device->inject(data);
    harness->processEvents();
}

std::vector<Bytes> ParamsWindow::writtenPayloads(std::uint8_t opcode, std::size_t length)
{
    std::vector<Bytes> payloads;
    for (const Bytes& report : written()) {
        EXPECT_EQ(report.size(), 65u);
        if (report.size() < 2 + length)
            continue;
        EXPECT_EQ(report[0], 1);
        EXPECT_EQ(report[1], opcode);
        for (std::size_t i = 2 + length; i < report.size(); ++i)
            EXPECT_EQ(report[i], 0) << "byte " << i;
        payloads.emplace_back(report.begin() + 2, report.begin() + 2 + long(length));
    }
    return payloads;
}

Bytes replyOf(std::uint8_t id, std::uint8_t index, const Bytes& value)
{
    Bytes r(3 + value.size());
    r[0] = 1;
    r[1] = id;
    r[2] = index;
    std::copy(value.begin(), value.end(), r.begin() + 3);
    return r;
}

} // namespace trv630::test
