// Page TabSheet2 "RS485 / Ethernet".
#pragma once

#include <QWidget>

class CommPage : public QWidget {
    Q_OBJECT
public:
    explicit CommPage(QWidget* parent = nullptr);
};
