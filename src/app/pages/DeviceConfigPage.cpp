#include "app/pages/DeviceConfigPage.h"

#include "app/pages/AnalogPage.h"
#include "app/pages/CommPage.h"
#include "app/pages/EncoderPage.h"
#include "app/pages/MathPage.h"
#include "app/pages/OutputsPage.h"
#include "app/pages/TriggerPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

DeviceConfigPage::DeviceConfigPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setDocumentMode(true);
    TabSheet5 = new AnalogPage;
    TabSheet6 = new EncoderPage;
    TabSheet7 = new MathPage;
    Wyzwalania = new TriggerPage;
    TabSheet8 = new OutputsPage;
    TabSheet2 = new CommPage;
    for (QWidget* page : {static_cast<QWidget*>(TabSheet5), static_cast<QWidget*>(TabSheet6),
                          static_cast<QWidget*>(TabSheet7), static_cast<QWidget*>(Wyzwalania),
                          static_cast<QWidget*>(TabSheet8), static_cast<QWidget*>(TabSheet2)})
        PageControl2->addTab(page, QString());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PageControl2);
    retranslate();
}

void DeviceConfigPage::retranslate()
{
    PageControl2->setTabText(0, tr("Wejścia analogowe"));
    PageControl2->setTabText(1, tr("Wejścia enkoderowe"));
    PageControl2->setTabText(2, tr("Funkcje matematyczne"));
    PageControl2->setTabText(3, tr("Wyzwalania"));
    PageControl2->setTabText(4, tr("Wyjścia tranzystorowe"));
    PageControl2->setTabText(5, QStringLiteral("RS485 / Ethernet")); // not translated
}
