#include "app/pages/TriggerPage.h"

TriggerPage::TriggerPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Wyzwalania"));
}
