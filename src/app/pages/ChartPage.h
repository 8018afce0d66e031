// Page TabSheet9 "Wykresy".
#pragma once

#include <QWidget>

class ChartPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartPage(QWidget* parent = nullptr);
};
