// Ends the program through the main window's normal close path (FormClose:
// settings stored, measurement file closed) when the process is asked to
// stop from outside: SIGTERM, SIGINT (Ctrl+C in a terminal), SIGHUP (the
// terminal went away), or the desktop session ending.
//
// The signal handler only writes one byte into a socket pair (the self-pipe
// pattern); a QSocketNotifier on the other end brings the request to the GUI
// thread, where the window is closed like any user close. A close that fails
// (settings file not writable) shows the error box and leaves the window
// open, exactly as for the user; the next signal tries again. When that
// retry fails as well, or a signal arrives while the error box of a failed
// close is still open (nobody there to answer it), the program ends without
// its settings: the event loop is left, and the window's destruction still
// closes the measurement file with every record written.
//
// Threading: created and used on the GUI thread. Only one watcher may exist
// at a time (the signal handlers are process-wide); its destructor restores
// the previous handlers.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QSessionManager;
class QSocketNotifier;

namespace trv630 {

class ShutdownWatcher : public QObject {
    Q_OBJECT
public:
    explicit ShutdownWatcher(QWidget* mainWindow, QObject* parent = nullptr);
    ~ShutdownWatcher() override;

    /// How many stop requests arrived (signals and session ends).
    int requests() const { return requests_; }
    /// What ending without the settings does; by default it leaves the
    /// application's event loop (QCoreApplication::exit(0)).
    void setGiveUp(std::function<void()> giveUp) { giveUp_ = std::move(giveUp); }
    bool gaveUp() const { return gaveUp_; }

private:
    void onSignal();
    void closeWindow();
    void onCommitData(QSessionManager& manager);
    void onAboutToQuit();

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_ = nullptr;
    void giveUp();

    bool closing_ = false;
    bool gaveUp_ = false;
    int requests_ = 0;
    int failedSignalCloses_ = 0;
    std::function<void()> giveUp_;
};

} // namespace trv630
