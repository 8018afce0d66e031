// The Ethernet address boxes: their mask, the checks of the write, and the
// round trip through the simulated module.
#include "ParamsWindowFixture.h"

#include "app/pages/CommPage.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace trv630;
using namespace trv630::test;

class EthernetBoxes : public ParamsWindow {
public:
    /// Clicks Btn_IPSave and returns the text of the message box it shows
    /// (closing it), or an empty text when none appears.
    QString saveAndCatchMessage()
    {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->done(QMessageBox::Ok);
            }
        });
        click("Btn_IPSave");
        return shown;
    }
    void setAddresses(const char* addr, const char* mask, const char* gate)
    {
        box("MaskEdit_IP_Addr")->setText(QString::fromLatin1(addr));
        box("MaskEdit_IP_Mask")->setText(QString::fromLatin1(mask));
        box("MaskEdit_IP_Gate")->setText(QString::fromLatin1(gate));
    }
};

TEST_F(EthernetBoxes, MaskKeepsThePointsAndShowsBlanksAsSpaces)
{
    QLineEdit* addr = box("MaskEdit_IP_Addr");
    EXPECT_EQ(addr->displayText(), "   .   .   .   ");
    addr->setFocus();
    QTest::keyClicks(addr, "192168000002");
    EXPECT_EQ(addr->displayText(), "192.168.000.002");
    EXPECT_EQ(addr->displayText().size(), 15);
    QTest::keyClicks(addr, "9"); // full: nothing more fits
    EXPECT_EQ(addr->displayText(), "192.168.000.002");
    addr->clear();
    QTest::keyClicks(addr, "1a.2");
    EXPECT_EQ(addr->displayText().left(4), "1  .") << "letters are refused";
    // Short octets keep their blanks, which the write removes.
    addr->setText("10.0.0.7");
    EXPECT_EQ(addr->displayText(), "10 .0  .0  .7  ");
    EXPECT_EQ(TFMain::formatOctet(7), "007");
    EXPECT_EQ(TFMain::formatOctet(42), "042");
    EXPECT_EQ(TFMain::formatOctet(192), "192");
}

TEST_F(EthernetBoxes, ShortOctetsAreWrittenAsNumbers)
{
    setAddresses("10.0.0.7", "255.0.0.0", "10.0.0.1");
    EXPECT_EQ(saveAndCatchMessage(), "");
    EXPECT_EQ(writtenPayloads(2, 13),
              (std::vector<Bytes>{{32, 10, 0, 0, 7, 255, 0, 0, 0, 10, 0, 0, 1}}));
}

TEST_F(EthernetBoxes, OctetAbove255NamesTheFirstFailingBoxAndSendsNothing)
{
    const struct { const char* addr; const char* mask; const char* gate; const char* message; } cases[] = {
        {"300.168.000.002", "999.255.255.000", "192.168.000.001", "Błędny adres IP"},
        {"192.168.000.002", "255.256.255.000", "192.168.000.001", "Błedny adres maski podsieci"},
        {"192.168.000.002", "255.255.255.000", "192.168.000.999", "Błedny adres bramy "},
    };
    for (const auto& c : cases) {
        setAddresses(c.addr, c.mask, c.gate);
        EXPECT_EQ(saveAndCatchMessage(), QString::fromUtf8(c.message));
        EXPECT_TRUE(written().empty()) << c.message;
    }
    // The boxes before the failing one are already taken over.
    EXPECT_EQ(window().ethernetConfigBytes[4], 255);
    EXPECT_EQ(window().ethernetConfigBytes[5], 255);
}

TEST_F(EthernetBoxes, EmptyOctetShowsTheConversionErrorAndSendsNothing)
{
    setAddresses("192.168.000.002", "", "192.168.000.001");
    EXPECT_EQ(saveAndCatchMessage(), "");
    ASSERT_EQ(harness->errorBoxes().size(), 1);
    EXPECT_TRUE(harness->errorBoxes()[0].contains("is not a valid integer value"));
    EXPECT_TRUE(written().empty());
}

TEST(EthernetRoundTrip, WrittenAddressesComeBackFromTheSimulatedModule)
{
    WindowHarness h;
    auto* page = h.window().findChild<CommPage*>("TabSheet2");
    ASSERT_NE(page, nullptr);
    page->MaskEdit_IP_Addr->setText("10.1.2.3");
    page->MaskEdit_IP_Mask->setText("255.255.0.0");
    page->MaskEdit_IP_Gate->setText("10.1.0.254");
    page->Btn_IPSave->click();
    h.processEvents();
    EXPECT_TRUE(h.window().panelText(0).endsWith("32][0]"));
    page->resetAddressBoxes();
    page->Btn_IP_Read->click();
    ASSERT_TRUE(h.waitUntil([&] { return page->MaskEdit_IP_Gate->displayText().startsWith("010"); }));
    EXPECT_EQ(page->MaskEdit_IP_Addr->displayText(), "010.001.002.003");
    EXPECT_EQ(page->MaskEdit_IP_Mask->displayText(), "255.255.000.000");
    EXPECT_EQ(page->MaskEdit_IP_Gate->displayText(), "010.001.000.254");
}
