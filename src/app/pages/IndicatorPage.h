// Page TabSheet1 "Wskaźniki".
#pragma once

#include <QWidget>

class IndicatorPage : public QWidget {
    Q_OBJECT
public:
    explicit IndicatorPage(QWidget* parent = nullptr);
};
