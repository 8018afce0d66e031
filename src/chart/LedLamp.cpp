#include "chart/LedLamp.h"

#include <QPainter>
#include <QRadialGradient>

namespace trv630 {

LedLamp::LedLamp(QWidget* parent, QColor onColour) : QWidget(parent), onColour_(onColour)
{
    setFixedSize(sizeHint());
}

void LedLamp::setOn(bool on)
{
    if (on_ == on)
        return;
    on_ = on;
    update();
}

void LedLamp::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QColor base = on_ ? onColour_ : onColour_.darker(400);
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.5);
    g.setColorAt(0, base.lighter(on_ ? 170 : 130));
    g.setColorAt(1, base);
    p.setBrush(g);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawEllipse(r);
}

} // namespace trv630
