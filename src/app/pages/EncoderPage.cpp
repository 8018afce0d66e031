#include "app/pages/EncoderPage.h"

EncoderPage::EncoderPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet6"));
}
