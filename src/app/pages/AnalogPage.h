// Page TabSheet5 "Wejścia analogowe".
#pragma once

#include <QWidget>

class AnalogPage : public QWidget {
    Q_OBJECT
public:
    explicit AnalogPage(QWidget* parent = nullptr);
};
