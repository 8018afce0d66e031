// A small round indicator lamp: lit or dark.
#pragma once

#include <QColor>
#include <QWidget>

namespace trv630 {

class LedLamp : public QWidget {
    Q_OBJECT
public:
    explicit LedLamp(QWidget* parent = nullptr, QColor onColour = QColor(0, 200, 0));

    bool isOn() const { return on_; }
    void setOn(bool on);
    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor onColour_;
    bool on_ = false;
};

} // namespace trv630
