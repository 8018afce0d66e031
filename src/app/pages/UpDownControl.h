// A small up-down control: two arrow buttons stepping a position between
// a minimum and a maximum.
#pragma once

#include <QWidget>

class QToolButton;

class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int position() const { return position_; }
    void setPosition(int position);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void positionChanged(int position);

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};
