// Page TabSheet3 "Konfiguracja urządzenia": a second page control,
// PageControl2, with the six configuration sub-pages.
#pragma once

#include <QWidget>

class QTabWidget;
class AnalogPage;
class EncoderPage;
class MathPage;
class TriggerPage;
class OutputsPage;
class CommPage;

class DeviceConfigPage : public QWidget {
    Q_OBJECT
public:
    explicit DeviceConfigPage(QWidget* parent = nullptr);

    QTabWidget* PageControl2 = nullptr;
    AnalogPage* TabSheet5 = nullptr;
    EncoderPage* TabSheet6 = nullptr;
    MathPage* TabSheet7 = nullptr;
    TriggerPage* Wyzwalania = nullptr;
    OutputsPage* TabSheet8 = nullptr;
    CommPage* TabSheet2 = nullptr;

    /// Sets the tab captions in the active language.
    void retranslate();
};
