#include "app/pages/Lamp.h"

#include "app/Colours.h"

#include <QPainter>

Lamp::Lamp(QWidget* parent) : QWidget(parent), colour_(trv630::fromWindowsColour(trv630::lampOffColour))
{
    setFixedSize(30, 30);
}

void Lamp::setColour(const QColor& colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void Lamp::setOn(bool on)
{
    setColour(trv630::fromWindowsColour(on ? trv630::lampOnColour : trv630::lampOffColour));
}

void Lamp::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour_);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
