#include "app/Application.h"

#include "app/Errors.h"

#include <exception>

namespace trv630 {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // The application title "TRV630U - PC" is the caption of the error box
    // (applicationTitle). It is not made Qt's application display name: the
    // X11 and Wayland backends would append that to the window caption.
    setApplicationName(QStringLiteral("trv630-pc"));
    setApplicationVersion(QStringLiteral("1.13"));
    // Lets the desktop match the window to trv630-pc.desktop (icon, name).
    setDesktopFileName(QStringLiteral("trv630-pc"));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

bool runGuarded(const std::function<void()>& f)
{
    try {
        f();
        return true;
    } catch (const SilentAbort&) {
    } catch (const Error& e) {
        showErrorBox(e.message());
    } catch (const std::exception&) {
        showErrorBox(QString());
    } catch (...) {
        showErrorBox(QString());
    }
    return false;
}

} // namespace trv630
