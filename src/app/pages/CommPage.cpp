#include "app/pages/CommPage.h"

CommPage::CommPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
}
