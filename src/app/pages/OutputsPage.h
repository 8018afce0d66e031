// Page TabSheet8 "Wyjścia tranzystorowe".
#pragma once

#include <QWidget>

class OutputsPage : public QWidget {
    Q_OBJECT
public:
    explicit OutputsPage(QWidget* parent = nullptr);
};
