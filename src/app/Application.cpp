#include "app/Application.h"

#include "app/Errors.h"

#include <exception>

namespace trv630 {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("trv630-pc"));
    setApplicationDisplayName(QString::fromLatin1(applicationTitle));
    setApplicationVersion(QStringLiteral("1.13"));
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
