#include "app/pages/AnalogPage.h"

AnalogPage::AnalogPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
}
