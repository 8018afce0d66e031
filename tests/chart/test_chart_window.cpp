// The chart page on the real main window: start-up and shutdown settings,
// the buttons and lamp, the title box, printing and the bitmap file.
#include "app/Colours.h"
#include "app/Errors.h"
#include "app/TFMain.h"
#include "app/pages/ChartPage.h"
#include "app/settings/IniFile.h"
#include "chart/ChartView.h"
#include "chart/LedLamp.h"
#include "link/EmptyLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using trv630::IniFile;

namespace {

class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open()
    {
        window.reset();
        window = std::make_unique<TFMain>(std::make_unique<trv630::EmptyLink>(),
                                          TFMain::Options{dir.path()});
        window->settingsPath = dir.filePath(QStringLiteral("config.ini"));
        page = window->TabSheet9;
        window->chartClock = [this] { return nowMs; };
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            nowMs += 100;
            window->ChartTimerTimer();
        }
    }

    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    std::unique_ptr<TFMain> window;
    ChartPage* page = nullptr;
    qint64 nowMs = 1'000;
};

QByteArray head(const QString& path, int bytes)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(bytes) : QByteArray();
}

} // namespace

TEST_F(ChartWindowTest, FirstRunStartsWithTenSecondsTitleAndFirstBoxOnly)
{
    EXPECT_EQ(page->Cb_ChartTimeWindow->currentText(), QStringLiteral("10 sek"));
    EXPECT_EQ(window->chartFeed.chartWindow, 10u);
    EXPECT_EQ(page->Chart1->bottomAxis(), (trv630::AxisRange{0, 10}));
    EXPECT_EQ(page->Edit_ChartTitle->text(), QStringLiteral("Nazwa wykresu"));
    EXPECT_EQ(page->Chart1->title(), QStringLiteral("Nazwa wykresu"));
    for (std::size_t n = 0; n < page->CB_Chart_R.size(); ++n)
        EXPECT_EQ(page->CB_Chart_R[n]->isChecked(), n == 0) << n;
    EXPECT_FALSE(window->chartFeed.chartRunning);
    EXPECT_FALSE(page->LED_ChartStart->isOn());
}

TEST_F(ChartWindowTest, SettingsAreStoredAtCloseAndRestoredAtStart)
{
    page->Cb_ChartTimeWindow->setCurrentIndex(2); // "1 min"
    page->Edit_ChartTitle->setText(QStringLiteral("Próba łącza"));
    page->CB_Chart_R[0]->setChecked(false);
    page->CB_Chart_R[13]->setChecked(true);
    ASSERT_TRUE(window->FormClose());

    IniFile ini(window->settingsPath);
    EXPECT_EQ(ini.readInteger("Chart", "Period", -9), 2);
    EXPECT_EQ(ini.readString("Chart", "Title", {}), QStringLiteral("Próba łącza"));
    EXPECT_FALSE(ini.readBool("Options", "Chart1", true));
    EXPECT_TRUE(ini.readBool("Options", "Chart14", false));

    open();
    EXPECT_EQ(window->chartFeed.chartWindow, 60u);
    EXPECT_EQ(page->Chart1->title(), QStringLiteral("Próba łącza"));
    EXPECT_FALSE(page->CB_Chart_R[0]->isChecked());
    EXPECT_TRUE(page->CB_Chart_R[13]->isChecked());
}

TEST_F(ChartWindowTest, StoredPeriodOutsideTheListSelectsNothing)
{
    IniFile(window->settingsPath).writeInteger("Chart", "Period", 7);
    open();
    EXPECT_EQ(page->Cb_ChartTimeWindow->currentIndex(), -1);
    EXPECT_EQ(window->chartFeed.chartWindow, 0u);
    ASSERT_TRUE(window->FormClose());
    EXPECT_EQ(IniFile(window->settingsPath).readInteger("Chart", "Period", 0), -1);
}

TEST_F(ChartWindowTest, MissingKeysTakeTheirDefaultsNotTheFirstRunValues)
{
    QFile ini(window->settingsPath);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[Options]\r\nLanguage=0\r\n");
    ini.close();
    open();
    EXPECT_EQ(page->Cb_ChartTimeWindow->currentText(), QStringLiteral("1 sek"));
    EXPECT_EQ(window->chartFeed.chartWindow, 1u);
    EXPECT_EQ(page->Edit_ChartTitle->text(), QString());
    EXPECT_EQ(page->Chart1->title(), QString());
    for (QCheckBox* box : page->CB_Chart_R)
        EXPECT_FALSE(box->isChecked()) << qPrintable(box->objectName());
}

TEST_F(ChartWindowTest, StartStopLampAndClear)
{
    window->frame.analog[0].value = 4;
    ticks(3); // stopped: nothing plotted
    EXPECT_EQ(page->Chart1->series(0).count(), 0u);
    QTest::mouseClick(page->Btn_ChartStart, Qt::LeftButton);
    EXPECT_TRUE(window->chartFeed.chartRunning);
    EXPECT_TRUE(page->LED_ChartStart->isOn());
    ticks(5);
    EXPECT_EQ(page->Chart1->series(0).count(), 5u);
    EXPECT_NEAR(page->Chart1->leftAxis().max, 4.4, 1e-6);
    QTest::mouseClick(page->Btn_ChartClear, Qt::LeftButton);
    EXPECT_EQ(page->Chart1->series(0).count(), 0u);
    EXPECT_TRUE(window->chartFeed.chartRunning);
    QTest::mouseClick(page->Btn_ChartStart, Qt::LeftButton);
    EXPECT_FALSE(page->LED_ChartStart->isOn());
}

TEST_F(ChartWindowTest, TitleFollowsEveryKeystroke)
{
    page->Edit_ChartTitle->clear();
    EXPECT_EQ(page->Chart1->title(), QString());
    QTest::keyClicks(page->Edit_ChartTitle, QStringLiteral("AB"));
    EXPECT_EQ(page->Chart1->title(), QStringLiteral("AB"));
    QTest::keyClick(page->Edit_ChartTitle, Qt::Key_Backspace);
    EXPECT_EQ(page->Chart1->title(), QStringLiteral("A"));
}

TEST_F(ChartWindowTest, PageTextsArePolishInBothLanguages)
{
    struct Case {
        QWidget* control;
        const char* text;
        const char* hint;
    } cases[] = {
        {page->Btn_ChartStart, "Start / Stop", "Uruchomienie / zatrzymanie wykresu"},
        {page->Btn_ChartClear, "Wyczysc", "Wyczyszczenie wykresu"},
        {page->Btn_PrintChart, "Dukuj", "Wydrukowanie wykresu"},
        {page->Btn_PrintSetup, "Opcje wydruku", "Ustawienia wydruku"},
        {page->Btn_SaveImageFromChart, "Zapisz jako obrazek", "Zapisanie wykrasu jako obraz"},
    };
    for (int language : {0, 1}) {
        window->siLangCombo1->setCurrentIndex(language);
        window->siLangCombo1Change();
        for (const Case& c : cases) {
            auto* b = qobject_cast<QPushButton*>(c.control);
            EXPECT_EQ(b->text(), QString::fromUtf8(c.text)) << language;
            EXPECT_EQ(b->toolTip(), QString::fromUtf8(c.hint)) << language;
        }
        EXPECT_EQ(page->Label90->text(), QStringLiteral("Szerokosc:"));
        QStringList items;
        for (int i = 0; i < page->Cb_ChartTimeWindow->count(); ++i)
            items << page->Cb_ChartTimeWindow->itemText(i);
        EXPECT_EQ(items, (QStringList{"1 sek", "10 sek", "1 min", "10 min", "30 min",
                                      QStringLiteral("1 godź"), "niesk"}));
    }
    EXPECT_EQ(page->Chart1->series(4).title(), QStringLiteral("ADC1 AVER"));
    EXPECT_EQ(page->Chart1->series(0).colour(), QColor(Qt::blue)); // 0xFF0000 in 0x00BBGGRR
}

TEST_F(ChartWindowTest, PrintAsksFirstAndWritesThePage)
{
    const QString pdf = file("wykres.pdf");
    window->chartPrinter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    window->chartPrinter->setOutputFormat(QPrinter::PdfFormat);
    window->chartPrinter->setOutputFileName(pdf);

    int asked = 0;
    window->chartPrintConfirm = [&] { ++asked; return false; };
    QTest::mouseClick(page->Btn_PrintChart, Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(pdf)) << "Cancel prints nothing";

    window->chartPrintConfirm = [&] { ++asked; return true; };
    QTest::mouseClick(page->Btn_PrintChart, Qt::LeftButton);
    EXPECT_EQ(head(pdf, 4), QByteArray("%PDF"));
}

TEST_F(ChartWindowTest, PrintConfirmationBoxAndItsCancel)
{
    const QString pdf = file("anulowany.pdf");
    window->chartPrinter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    window->chartPrinter->setOutputFormat(QPrinter::PdfFormat);
    window->chartPrinter->setOutputFileName(pdf);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    std::function<void(int)> answer = [&](int attemptsLeft) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attemptsLeft > 0)
                QTimer::singleShot(10, [&, attemptsLeft] { answer(attemptsLeft - 1); });
            return;
        }
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Cancel)->click();
    };
    QTimer::singleShot(0, [&] { answer(300); });
    window->Btn_PrintChartClick();
    EXPECT_EQ(title, QStringLiteral("Drukowanie"));
    EXPECT_EQ(text, QStringLiteral("Wydrukowac wykres?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ChartWindowTest, PrintedPageHoldsTheChartInsideTheMargins)
{
    page->Chart1->resize(760, 480);
    QImage sheet(1000, 1400, QImage::Format_RGB32);
    sheet.fill(Qt::yellow);
    {
        QPainter p(&sheet);
        page->Chart1->renderOnPage(p, QRectF(sheet.rect()), QMarginsF(15, 25, 15, 25));
    }
    const QRect inside(150, 350, 700, 700);
    for (int y = 0; y < sheet.height(); y += 7)
        for (int x = 0; x < sheet.width(); x += 7) {
            const bool paper = sheet.pixel(x, y) == QColor(Qt::yellow).rgb();
            if (!inside.adjusted(-1, -1, 1, 1).contains(x, y)) {
                ASSERT_TRUE(paper) << "ink outside the margins at " << x << "," << y;
            } else if (inside.adjusted(3, 3, -3, -3).contains(x, y)) {
                ASSERT_FALSE(paper) << "chart does not fill its area at " << x << "," << y;
            }
        }
    // The chart's border runs along the margins.
    const QColor edge(sheet.pixel(500, 350)), border = trv630::fromWindowsColour(0xDF7A29);
    EXPECT_LT(std::abs(edge.red() - border.red()) + std::abs(edge.green() - border.green())
                  + std::abs(edge.blue() - border.blue()),
              60)
        << qPrintable(edge.name());
}

TEST_F(ChartWindowTest, BitmapTakesTheChartAsShownAndItsNameRule)
{
    page->Chart1->resize(700, 420);
    window->chartImageDialog = [this] { return file("wykres.BMP"); };
    QTest::mouseClick(page->Btn_SaveImageFromChart, Qt::LeftButton);
    const QString written = file("wykres.BMP.bmp");
    EXPECT_EQ(head(written, 2), QByteArray("BM"));
    const QImage image(written, "BMP");
    EXPECT_EQ(image.size(), QSize(700, 420));
    EXPECT_FALSE(QFile::exists(file("wykres.BMP")));

    window->chartImageDialog = [this] { return file("obraz.bmp"); };
    QTest::mouseClick(page->Btn_SaveImageFromChart, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(file("obraz.bmp")));
    EXPECT_FALSE(QFile::exists(file("obraz.bmp.bmp")));
}

TEST_F(ChartWindowTest, SaveDialogAddsItsDefaultExtensionOnce)
{
    QString filter;
    std::function<void(int)> answer = [&](int attemptsLeft) {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attemptsLeft > 0)
                QTimer::singleShot(10, [&, attemptsLeft] { answer(attemptsLeft - 1); });
            return;
        }
        filter = dialog->nameFilters().join(QLatin1Char(';'));
        dialog->setDirectory(dir.path());
        dialog->selectFile(QStringLiteral("bez_rozszerzenia"));
        QMetaObject::invokeMethod(dialog, "accept"); // protected: called as the Save button does
    };
    QTimer::singleShot(0, [&] { answer(300); });
    window->Btn_SaveImageFromChartClick();
    EXPECT_EQ(filter, QStringLiteral("Bitmap (*.bmp)"));
    EXPECT_EQ(head(file("bez_rozszerzenia.bmp"), 2), QByteArray("BM"));
    EXPECT_FALSE(QFile::exists(file("bez_rozszerzenia.bmp.bmp")));
}

TEST_F(ChartWindowTest, BitmapErrorsAndCancelAreSilent)
{
    QStringList shown;
    const auto previous = trv630::setErrorBoxPresenter([&](const QString& t) { shown << t; });
    window->chartImageDialog = [this] { return file("no/such/dir/wykres"); };
    QTest::mouseClick(page->Btn_SaveImageFromChart, Qt::LeftButton);
    window->chartImageDialog = [] { return QString(); }; // cancelled
    QTest::mouseClick(page->Btn_SaveImageFromChart, Qt::LeftButton);
    window->chartImageDialog = [] () -> QString { throw std::runtime_error("dialog failed"); };
    QTest::mouseClick(page->Btn_SaveImageFromChart, Qt::LeftButton);
    trv630::setErrorBoxPresenter(previous);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ChartWindowTest, SeriesBoxesSitBesideTheirLegendLines)
{
    window->show();
    window->PageControl1->setCurrentWidget(page);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const trv630::PaintParams pp = page->Chart1->currentLayout();
    for (std::size_t n = 0; n < page->CB_Chart_R.size(); ++n) {
        const QRect box = page->CB_Chart_R[n]->geometry();
        EXPECT_EQ(box.size(), QSize(15, 15));
        EXPECT_GT(box.left(), pp.legend.right());
        EXPECT_LE(box.right(), page->Chart1->width());
        const qreal lineCentre = pp.legendFirstLine + (n + 0.5) * pp.legendLineHeight;
        EXPECT_NEAR(box.center().y(), lineCentre, 2.0) << n;
    }
}
