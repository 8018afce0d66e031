// A round lamp: a 30 x 30 circle with a thin black outline, filled with its
// colour (TabSheet1: Shape1 .. Shape6, Shape_IN1, Shape_IN2). The indicator
// refresh sets the colour every 100 ms; a repaint happens only on change.
#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>

namespace trv630 {
/// Lamp colours (0x00BBGGRR): set = red, clear = silver.
inline constexpr std::uint32_t lampOnColour = 0x0000FF;
inline constexpr std::uint32_t lampOffColour = 0xC0C0C0;
} // namespace trv630

class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor colour READ colour WRITE setColour)
public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    /// Red when on, silver when off.
    void setOn(bool on);

    QSize sizeHint() const override { return {30, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};
