// The application object: catches an error that escapes an event handler,
// shows it in the standard error box, and lets the program go on.
#pragma once

#include <QApplication>

#include <functional>

namespace trv630 {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

/// Runs f; an error of the program's type is shown in the error box, any
/// other exception as an error with an empty message, a silent abort not at
/// all. Returns true if f completed.
bool runGuarded(const std::function<void()>& f);

} // namespace trv630
