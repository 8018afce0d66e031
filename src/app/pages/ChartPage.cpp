#include "app/pages/ChartPage.h"

ChartPage::ChartPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet9"));
}
