// The program's error type and the standard error box.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace trv630 {

/// An error that escapes an event handler; its message is shown in the
/// standard error box and the program goes on.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

/// An error that ends a handler without showing anything.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

/// The text of the error box: the message with a full stop appended when
/// its last character has a code above that of "." (so ".", "!" or a blank
/// at the end get none).
QString errorBoxText(const QString& message);

/// The application title, caption of the error box.
inline constexpr const char* applicationTitle = "TRV630U - PC";

/// Shows the modal error box (error icon, caption applicationTitle, text
/// errorBoxText(message)). Its own event loop keeps the timers and the
/// device reports going while it is open.
void showErrorBox(const QString& message);

/// What showErrorBox does with the finished box text. Empty (the default):
/// the modal box. Tests put a recorder here so that nothing blocks.
using ErrorBoxPresenter = std::function<void(const QString& boxText)>;
/// Installs a presenter and returns the previous one.
ErrorBoxPresenter setErrorBoxPresenter(ErrorBoxPresenter presenter);

} // namespace trv630
