#include "app/Errors.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace trv630 {

namespace {
ErrorBoxPresenter& presenter()
{
    static ErrorBoxPresenter instance;
    return instance;
}
} // namespace

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

ErrorBoxPresenter setErrorBoxPresenter(ErrorBoxPresenter next)
{
    return std::exchange(presenter(), std::move(next));
}

void showErrorBox(const QString& message)
{
    const QString text = errorBoxText(message);
    if (presenter()) {
        presenter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(applicationTitle), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace trv630
