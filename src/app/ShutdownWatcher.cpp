#include "app/ShutdownWatcher.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcShutdown, "trv630.shutdown")

namespace trv630 {

namespace {

constexpr std::array<int, 3> watchedSignals{SIGTERM, SIGINT, SIGHUP};
int signalPipe[2] = {-1, -1};
struct sigaction previousActions[watchedSignals.size()];

extern "C" void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // Async-signal-safe; a full pipe already holds a pending request.
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

ShutdownWatcher::ShutdownWatcher(QWidget* mainWindow, QObject* parent)
    : QObject(parent), window_(mainWindow)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        qCWarning(lcShutdown) << "no socket pair for the stop signals; they end the program at once";
        signalPipe[0] = signalPipe[1] = -1;
    } else {
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &ShutdownWatcher::onSignal);
        struct sigaction action = {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < watchedSignals.size(); ++i)
            ::sigaction(watchedSignals[i], &action, &previousActions[i]);
    }

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &ShutdownWatcher::onCommitData,
                Qt::DirectConnection);
        connect(app, &QCoreApplication::aboutToQuit, this, &ShutdownWatcher::onAboutToQuit);
    }
}

ShutdownWatcher::~ShutdownWatcher()
{
    if (signalPipe[0] < 0)
        return;
    for (std::size_t i = 0; i < watchedSignals.size(); ++i)
        ::sigaction(watchedSignals[i], &previousActions[i], nullptr);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void ShutdownWatcher::onSignal()
{
    char buffer[64];
    while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
    }
    ++requests_;
    if (gaveUp_)
        return;
    if (closing_) {
        // The previous request's close failed and its error box waits for
        // an answer that may never come.
        giveUp();
        return;
    }
    qCInfo(lcShutdown) << "stop signal: closing the main window";
    closeWindow();
    if (window_ && window_->isVisible() && ++failedSignalCloses_ >= 2)
        giveUp();
}

void ShutdownWatcher::giveUp()
{
    qCWarning(lcShutdown) << "the settings cannot be stored; ending without them";
    gaveUp_ = true;
    if (giveUp_)
        giveUp_();
    else
        QCoreApplication::exit(0);
}

void ShutdownWatcher::closeWindow()
{
    // A second request while the first close is still running (its error
    // box is open) is not started on top of it.
    if (closing_ || !window_ || !window_->isVisible())
        return;
    closing_ = true;
    window_->close();
    closing_ = false;
}

void ShutdownWatcher::onCommitData(QSessionManager& manager)
{
    // The session ends: store everything now, through the normal close.
    ++requests_;
    closeWindow();
    if (window_ && window_->isVisible() && manager.allowsInteraction())
        manager.cancel(); // the close failed and the user has seen why
}

void ShutdownWatcher::onAboutToQuit()
{
    if (gaveUp_)
        return;
    // Quitting without the window having been closed (e.g. the session
    // manager ended the program): run the close now so that the settings
    // are stored and the measurement file is closed.
    closeWindow();
}

} // namespace trv630
