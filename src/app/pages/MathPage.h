// Page TabSheet7 "Funkcje matematyczne".
#pragma once

#include <QWidget>

class MathPage : public QWidget {
    Q_OBJECT
public:
    explicit MathPage(QWidget* parent = nullptr);
};
