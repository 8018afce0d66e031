#include "app/Errors.h"

#include <QApplication>
#include <QMessageBox>

namespace trv630 {

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void showErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(applicationTitle),
                    errorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace trv630
