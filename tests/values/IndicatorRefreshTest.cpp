// The indicator refresh and the unit "Zapisz" buttons on the real window:
// measurement reports go through the virtual module, the boxes and lamps
// are read by object name.
#include "support/WindowFixture.h"

#include "app/pages/AnalogPage.h"
#include "app/pages/ChartPage.h"
#include "app/pages/CommPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/EncoderPage.h"
#include "app/pages/MathPage.h"
#include "app/pages/OutputsPage.h"
#include "app/pages/TriggerPage.h"
#include "app/pages/IndicatorPage.h"
#include "app/pages/Lamp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <cmath>
#include <limits>

using trv630::MeasurementFrame;
using trv630::test::WindowHarness;

// Readable failure messages for texts.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QColor red(255, 0, 0);
const QColor silver(192, 192, 192);

class IndicatorRefresh : public ::testing::Test {
protected:
    void SetUp() override { start({}); }

    void start(WindowHarness::Options options)
    {
        harness.reset();
        harness = std::make_unique<WindowHarness>(std::move(options));
        sep = window().valueDecimalSeparator;
    }

    TFMain& window() { return harness->window(); }
    QString text(const char* name)
    {
        auto* box = window().findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(box, nullptr) << name;
        return box ? box->text() : QString();
    }
    QColor lamp(const char* name)
    {
        auto* l = window().findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(l, nullptr) << name;
        return l ? l->property("colour").value<QColor>() : QColor();
    }
    QLineEdit* edit(const char* name) { return window().findChild<QLineEdit*>(QLatin1String(name)); }
    QAbstractButton* button(const char* name)
    {
        return window().findChild<QAbstractButton*>(QLatin1String(name));
    }
    QString caption(const char* name) { return window().findChild<QLabel*>(QLatin1String(name))->text(); }
    /// A number as shown: "." replaced by the regional separator.
    QString n(const char* number) const { return QString::fromLatin1(number).replace(u'.', sep); }
    void tick() { window().UpdateDataTimerTimer(); }
    void showPage(QWidget* page, QWidget* sub = nullptr)
    {
        window().PageControl1->setCurrentWidget(page);
        if (sub)
            window().TabSheet3->PageControl2->setCurrentWidget(sub);
    }
    QString configText()
    {
        QFile f(QDir(harness->settingsDir()).filePath(QStringLiteral("config.ini")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    static MeasurementFrame sampleFrame()
    {
        MeasurementFrame f;
        f.analog[0] = {0, 1.0f, 1.234f};
        f.analog[1] = {1, 0.0f, 12.5f};
        f.analog[2] = {2, 0.0f, -0.004f};
        f.analog[3] = {3, 0.0f, 20.0f};
        f.encoder[0] = {3, -250.125f, 1000.0f};
        f.encoder[1] = {0, 0.5f, -3.0f};
        f.math = {2.5f, std::numeric_limits<float>::infinity()};
        f.statusBitsA = 0b000101;
        f.statusBitsB = 0b10;
        return f;
    }

    std::unique_ptr<WindowHarness> harness;
    QChar sep = u'.';
};

TEST_F(IndicatorRefresh, BeforeTheFirstReportEveryValueIsZeroWithModeZeroUnits)
{
    tick();
    for (const char* box : {"Edit1adc1", "Edit1adc2", "Edit1adc3", "Edit1adc4"})
        EXPECT_EQ(text(box), n(" 0.00 [V]")) << box;
    EXPECT_EQ(text("Edit1math1"), n(" 0.00 [...]"));
    EXPECT_EQ(text("Edit1math2"), n(" 0.00 [...]"));
    EXPECT_EQ(text("Edit1_encp1"), n(" 0.00 [obr]"));
    EXPECT_EQ(text("Edit1_encv2"), n(" 0.00 [obr/sek]"));
    for (const char* l : {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape_IN1", "Shape_IN2"})
        EXPECT_EQ(lamp(l), silver) << l;
    for (const char* label : {"math_name01", "math_name02", "math_name11", "math_name12", "math_name21", "math_name22"})
        EXPECT_EQ(caption(label), QStringLiteral("[...]")) << label;
}

TEST_F(IndicatorRefresh, IndicatorPageShowsTheLatestReport)
{
    harness->sendMeasurement(MeasurementFrame{}); // an older report: only the latest counts
    harness->sendMeasurement(sampleFrame());
    tick();
    EXPECT_EQ(text("Edit1adc1"), n(" 1.23 [V]"));
    EXPECT_EQ(text("Edit1adc2"), n(" 12.50 [mA]"));
    EXPECT_EQ(text("Edit1adc3"), n(" 0.00 [mA]"));
    EXPECT_EQ(text("Edit1adc4"), n(" 20.00 [mA]"));
    EXPECT_EQ(text("Edit1math1"), n(" 2.50 [...]"));
    EXPECT_EQ(text("Edit1math2"), QStringLiteral(" INF [...]"));
    EXPECT_EQ(text("Edit1_encp1"), n(" 1000.00 [mm]"));
    EXPECT_EQ(text("Edit1_encv1"), n(" -250.13 [mm/min]"));
    EXPECT_EQ(text("Edit1_encp2"), n(" -3.00 [obr]"));
    EXPECT_EQ(text("Edit1_encv2"), n(" 0.50 [obr/sek]"));
    // statusBitsA 0b000101: T1 and T3; statusBitsB 0b10: IN2.
    const char* lamps[] = {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape_IN1", "Shape_IN2"};
    const bool lit[] = {true, false, true, false, false, false, false, true};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lamp(lamps[i]), lit[i] ? red : silver) << lamps[i];

    // A disconnection freezes everything at the last report.
    harness->unplugModule();
    tick();
    EXPECT_EQ(text("Edit1adc2"), n(" 12.50 [mA]"));
    EXPECT_EQ(lamp("Shape3"), red);
}

TEST_F(IndicatorRefresh, DecimalsFollowDivBoxAtTheNextTick)
{
    harness->sendMeasurement(sampleFrame());
    QComboBox* divBox = window().findChild<QComboBox*>(QStringLiteral("DivBox"));
    ASSERT_NE(divBox, nullptr);
    const std::pair<int, const char*> cases[] = {
        {0, " 1 [V]"}, {1, " 1.2 [V]"}, {3, " 1.234 [V]"}, {4, " 1.2340 [V]"}, {-1, " 1.23 [V]"}};
    for (const auto& [position, expected] : cases) {
        divBox->setCurrentIndex(position);
        tick();
        EXPECT_EQ(text("Edit1adc1"), n(expected)) << position;
    }
}

TEST_F(IndicatorRefresh, OnlyThePageInViewIsRefreshed)
{
    TFMain& w = window();
    DeviceConfigPage* config = w.TabSheet3;
    tick(); // the indicator page shows the all-zero frame
    harness->sendMeasurement(sampleFrame());

    showPage(w.TabSheet9);
    harness->processEvents();
    tick();
    EXPECT_EQ(text("Edit1adc1"), n(" 0.00 [V]")) << "chart page in view: the indicators keep their text";
    EXPECT_EQ(lamp("Shape1"), silver);

    showPage(config, static_cast<QWidget*>(config->TabSheet5));
    tick();
    EXPECT_EQ(text("Edit2adc2"), n(" 12.50 [mA]"));
    EXPECT_EQ(text("Edit2math2"), QStringLiteral(" INF [...]"));
    EXPECT_EQ(text("Edit2_encp1"), QString());
    EXPECT_EQ(text("Edit3math1"), QString());

    showPage(config, static_cast<QWidget*>(config->TabSheet6));
    tick();
    EXPECT_EQ(text("Edit2_encp1"), n(" 1000.00 [mm]"));
    EXPECT_EQ(text("Edit2_encv1"), n(" -250.13 [mm/min]"));
    EXPECT_EQ(text("Edit2_encv2"), n(" 0.50 [obr/sek]"));
    EXPECT_EQ(text("Edit3math1"), QString());

    showPage(config, static_cast<QWidget*>(config->TabSheet7));
    tick();
    EXPECT_EQ(text("Edit3math1"), n(" 2.50 [...]"));

    // Trigger, output and communication sub-pages: nothing changes.
    MeasurementFrame next = sampleFrame();
    next.math[0] = 7.0f;
    next.encoder[0].position = 1.0f;
    harness->sendMeasurement(next);
    for (QWidget* sub : {static_cast<QWidget*>(config->Wyzwalania), static_cast<QWidget*>(config->TabSheet8),
                         static_cast<QWidget*>(config->TabSheet2)}) {
        showPage(config, sub);
        tick();
    }
    EXPECT_EQ(text("Edit3math1"), n(" 2.50 [...]"));
    EXPECT_EQ(text("Edit2_encp1"), n(" 1000.00 [mm]"));
    EXPECT_EQ(text("Edit1adc1"), n(" 0.00 [V]"));

    showPage(w.TabSheet1);
    tick();
    EXPECT_EQ(text("Edit1math1"), n(" 7.00 [...]"));
}

TEST_F(IndicatorRefresh, SavedUnitTextsReplaceTheModeUnits)
{
    harness->sendMeasurement(sampleFrame());
    struct Save {
        const char* box;
        const char* button;
        const char* text;
        const char* key;
    };
    const Save saves[] = {
        {"adc_unit_2", "button_adcunit2", "bar", "AdcUnit2"},
        {"adc_unit_4", "button_adcunit4", "  ", "AdcUnit4"},
        {"enc_unit_1", "BitBtn11", "m", "EncUnit1"},
        {"enc_unit_2", "BitBtn13", "deg", "EncUnit2"},
        {"math_unit_1", "BitBtn42", "", "MathUnit1"},
        {"math_unit_2", "BitBtn49", "kW [x]", "MathUnit2"},
    };
    for (const Save& s : saves) {
        ASSERT_NE(edit(s.box), nullptr) << s.box;
        edit(s.box)->setText(QString::fromUtf8(s.text));
        tick();
        button(s.button)->click();
    }
    // Typed but not saved: no effect.
    edit("adc_unit_1")->setText(QStringLiteral("psi"));
    tick();
    EXPECT_EQ(text("Edit1adc1"), n(" 1.23 [V]"));
    EXPECT_EQ(text("Edit1adc2"), n(" 12.50 [bar]"));
    EXPECT_EQ(text("Edit1adc4"), n(" 20.00 [  ]"));
    EXPECT_EQ(text("Edit1_encp1"), n(" 1000.00 [m]"));
    EXPECT_EQ(text("Edit1_encv1"), n(" -250.13 [m/ min]"));
    EXPECT_EQ(text("Edit1_encv2"), n(" 0.50 [deg/ sek]"));
    EXPECT_EQ(text("Edit1math1"), n(" 2.50 []"));
    EXPECT_EQ(text("Edit1math2"), QStringLiteral(" INF [kW [x]]"));

    const QString ini = configText();
    EXPECT_TRUE(ini.contains(QStringLiteral("AdcUnit2=bar\r\n")));
    EXPECT_TRUE(ini.contains(QStringLiteral("AdcUnit4=\"  \"\r\n")));
    EXPECT_TRUE(ini.contains(QStringLiteral("MathUnit1=\r\n")));
    EXPECT_TRUE(ini.contains(QStringLiteral("MathUnit2=kW [x]\r\n")));
    EXPECT_TRUE(ini.contains(QStringLiteral("AdcUnit1=\r\n"))) << "unsaved text must not be stored";

    // Saving an empty box brings the mode unit back.
    edit("adc_unit_2")->clear();
    button("button_adcunit2")->click();
    tick();
    EXPECT_EQ(text("Edit1adc2"), n(" 12.50 [mA]"));
    EXPECT_TRUE(harness->errorBoxes().isEmpty());
}

TEST_F(IndicatorRefresh, MathNameButtonsSetTheThreeLabels)
{
    edit("math_name_1")->setText(QStringLiteral("Suma"));
    edit("math_name_2")->setText(QStringLiteral(" Różnica "));
    EXPECT_EQ(caption("math_name01"), QStringLiteral("[...]"));
    button("BitBtn48")->click();
    for (const char* label : {"math_name01", "math_name11", "math_name21"})
        EXPECT_EQ(caption(label), QStringLiteral("[Suma]")) << label;
    EXPECT_EQ(caption("math_name02"), QStringLiteral("[...]"));
    button("BitBtn50")->click();
    for (const char* label : {"math_name02", "math_name12", "math_name22"})
        EXPECT_EQ(caption(label), QStringLiteral("[ Różnica ]")) << label;
    EXPECT_TRUE(configText().contains(QStringLiteral("MathName2=\" Różnica \"\r\n")));
}

TEST_F(IndicatorRefresh, RefusedWriteKeepsTheOldUnitAndShowsTheError)
{
    harness->sendMeasurement(sampleFrame());
    // Make config.ini unwritable even for root: a directory in its place.
    const QString path = QDir(harness->settingsDir()).filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));

    edit("adc_unit_1")->setText(QStringLiteral("bar"));
    button("button_adcunit1")->click();
    edit("math_name_1")->setText(QStringLiteral("Suma"));
    button("BitBtn48")->click();
    tick();
    EXPECT_EQ(text("Edit1adc1"), n(" 1.23 [V]"));
    EXPECT_EQ(edit("adc_unit_1")->text(), QStringLiteral("bar"));
    EXPECT_EQ(caption("math_name01"), QStringLiteral("[...]"));
    EXPECT_EQ(caption("math_name21"), QStringLiteral("[...]"));
    ASSERT_EQ(harness->errorBoxes().size(), 2);
    EXPECT_EQ(harness->errorBoxes()[0],
              QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path) + u'.');
}

TEST_F(IndicatorRefresh, StartUpTakesStoredUnitsNamesAndPoint)
{
    WindowHarness::Options options;
    options.beforeWindow = [](trv630::VirtualHidBus&, const QString& dir) {
        QFile f(QDir(dir).filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Options]\r\nMathName1=Suma\r\nMathUnit2=kg\r\nAdcUnit3=\" cm \"\r\n"
                "EncUnit2=mm\r\nPoint=4\r\n");
    };
    start(std::move(options));
    EXPECT_EQ(edit("math_name_1")->text(), QStringLiteral("Suma"));
    EXPECT_EQ(edit("math_name_2")->text(), QStringLiteral("..."));
    EXPECT_EQ(edit("adc_unit_3")->text(), QStringLiteral(" cm "));
    EXPECT_EQ(caption("math_name11"), QStringLiteral("[Suma]"));
    EXPECT_EQ(caption("math_name22"), QStringLiteral("[...]"));
    EXPECT_EQ(window().findChild<QComboBox*>(QStringLiteral("DivBox"))->currentIndex(), 4);
    tick();
    EXPECT_EQ(text("Edit1adc3"), n(" 0.0000 [ cm ]"));
    EXPECT_EQ(text("Edit1math1"), n(" 0.0000 [...]"));
    EXPECT_EQ(text("Edit1math2"), n(" 0.0000 [kg]"));
    EXPECT_EQ(text("Edit1_encv2"), n(" 0.0000 [mm/ sek]"));
}

TEST_F(IndicatorRefresh, StoredPointOutsideTheListShowsTwoDecimals)
{
    WindowHarness::Options options;
    options.beforeWindow = [](trv630::VirtualHidBus&, const QString& dir) {
        QFile f(QDir(dir).filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Options]\r\nPoint=7\r\n");
    };
    start(std::move(options));
    EXPECT_EQ(window().findChild<QComboBox*>(QStringLiteral("DivBox"))->currentIndex(), -1);
    tick();
    EXPECT_EQ(text("Edit1adc1"), n(" 0.00 [V]"));
}

} // namespace
