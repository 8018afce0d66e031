#include "app/pages/MathPage.h"

MathPage::MathPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet7"));
}
