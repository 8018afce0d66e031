#include "app/pages/IndicatorPage.h"

IndicatorPage::IndicatorPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
}
