// Page TabSheet6 "Wejścia enkoderowe".
#pragma once

#include <QWidget>

class EncoderPage : public QWidget {
    Q_OBJECT
public:
    explicit EncoderPage(QWidget* parent = nullptr);
};
