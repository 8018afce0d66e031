#include "app/pages/OutputsPage.h"

OutputsPage::OutputsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet8"));
}
