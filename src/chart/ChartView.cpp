#include "chart/ChartView.h"

#include "chart/ChartLog.h"
#include "chart/ChartOutput.h"

#include <QPainter>
#include <QPrinter>

namespace trv630 {

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LineSeries& ChartView::addSeries(const QString& title, QColor colour, int lineWidth)
{
    LineSeries& s = scene_.data.addSeries(title, colour, lineWidth);
    emit legendMoved();
    return s;
}

PaintParams ChartView::currentLayout() const
{
    return renderer_.layout(QRectF(rect()));
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    renderer_.render(p, QRectF(rect()));
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit legendMoved();
}

QImage ChartView::toImage() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    renderer_.render(p, QRectF(image.rect()));
    return image;
}

bool ChartView::saveBitmap(const QString& fileName) const
{
    const QImage image = toImage();
    if (image.isNull() || !image.save(fileName, "BMP")) {
        qCDebug(lcChart) << "bitmap not written:" << fileName;
        return false;
    }
    return true;
}

bool ChartView::print(QPrinter& printer, const QMarginsF& marginsPercent) const
{
    // Margins are per cent of the sheet, so work on the whole sheet.
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().fullRectPixels(printer.resolution());
    renderOnPage(p, QRectF(QPointF(0, 0), page.size()), marginsPercent);
    return p.end();
}

void ChartView::renderOnPage(QPainter& p, const QRectF& page, const QMarginsF& marginsPercent) const
{
    const QRectF target = marginRect(page, marginsPercent);
    // Fonts and pens keep their on-screen proportions.
    const qreal screenWidth = width() > 0 ? width() : 760;
    const qreal scale = target.width() / screenWidth;
    p.save();
    p.translate(target.topLeft());
    p.scale(scale, scale);
    renderer_.render(p, QRectF(0, 0, screenWidth, target.height() / scale));
    p.restore();
}

} // namespace trv630
