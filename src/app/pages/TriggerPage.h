// Page Wyzwalania "Wyzwalania".
#pragma once

#include <QWidget>

class TriggerPage : public QWidget {
    Q_OBJECT
public:
    explicit TriggerPage(QWidget* parent = nullptr);
};
