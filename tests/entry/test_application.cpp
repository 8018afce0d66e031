// The application object of the program: an error escaping any event handler
// is caught in one place (Application::notify), shown in the standard error
// box, and the program goes on with the next event. This test program runs
// inside a trv630::Application instead of the shared test entry point.
#include "app/Application.h"
#include "app/Errors.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class Recorder {
public:
    Recorder() : previous_(trv630::setErrorBoxPresenter([this](const QString& t) { texts.append(t); })) {}
    ~Recorder() { trv630::setErrorBoxPresenter(previous_); }
    QStringList texts;

private:
    trv630::ErrorBoxPresenter previous_;
};

/// Throws from its event handler when asked to.
class Throwing : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        switch (handled) {
        case 1: throw trv630::Error(QStringLiteral("Unable to write to /x/config.ini"));
        case 2: throw std::runtime_error("not ours");
        case 3: throw trv630::SilentAbort();
        default: return true;
        }
    }
};

TEST(Application, ErrorEscapingAHandlerIsShownAndTheNextEventIsHandled)
{
    Recorder boxes;
    Throwing target;
    for (int i = 0; i < 4; ++i)
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&target, QEvent::User);
    EXPECT_EQ(target.handled, 4);
    // Our error with its full stop; a foreign one with an empty message; a
    // silent abort not at all.
    EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("Unable to write to /x/config.ini."), QString()}));
}

TEST(Application, ClickHandlerThatThrowsLeavesTheButtonWorking)
{
    Recorder boxes;
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        if (++clicks == 1)
            throw trv630::Error(QStringLiteral("Value must be within [1..2]!"));
    });
    QTimer::singleShot(0, &button, &QPushButton::click);
    QTimer::singleShot(0, &button, &QPushButton::click);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Value must be within [1..2]!")});
}

TEST(Application, ErrorBoxCaptionIsTheApplicationTitle)
{
    EXPECT_STREQ(trv630::applicationTitle, "TRV630U - PC");
    // The title is not Qt's display name, which the window systems would
    // append to the main window's caption.
    EXPECT_TRUE(QGuiApplication::applicationDisplayName() != QStringLiteral("TRV630U - PC"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    trv630::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
