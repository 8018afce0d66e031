// Helpers of the application-shell tests: a main window on a settings
// directory of its own, the error boxes it shows recorded instead of shown.
#pragma once

#include "app/Errors.h"
#include "app/TFMain.h"
#include "link/LinkFactory.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

/// While alive, every standard error box is recorded (its finished text)
/// and nothing blocks.
class ErrorBoxRecorder {
public:
    ErrorBoxRecorder()
        : previous_(trv630::setErrorBoxPresenter([this](const QString& text) { texts.append(text); }))
    {
    }
    ~ErrorBoxRecorder() { trv630::setErrorBoxPresenter(previous_); }
    ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
    ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

    QStringList texts;

private:
    trv630::ErrorBoxPresenter previous_;
};

inline std::unique_ptr<TFMain> openWindow(const QString& settingsDir)
{
    return std::make_unique<TFMain>(trv630::createSimulatedLink(), TFMain::Options{settingsDir});
}

inline QString readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

/// The control of this object name and type inside the window (nullptr if absent).
template <typename T>
T* control(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}
