// The chart widget: line series with title, colour and width, a legend in
// series order, a bottom and a left axis with settable ranges, a one-line
// title; repaint on request, printing with margins in per cent of the page
// and rendering into a bitmap file. Painting is ChartRenderer's, so screen,
// printer and image show the same picture.
//
// GUI thread only.
#pragma once

#include "chart/ChartRenderer.h"
#include "chart/ChartScene.h"

#include <QImage>
#include <QMarginsF>
#include <QWidget>

class QPrinter;

namespace trv630 {

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    LineSeries& addSeries(const QString& title, QColor colour, int lineWidth);
    int seriesCount() const { return scene_.data.seriesCount(); }
    LineSeries& series(int i) { return scene_.data.series(i); }
    const LineSeries& series(int i) const { return scene_.data.series(i); }
    /// Adds (x, y) to series i in the series' colour; see ChartData::addPoint.
    bool addPoint(int i, double x, float y) { return scene_.data.addPoint(i, x, y); }
    void clearPoints() { scene_.data.clearPoints(); }

    void setBottomAxis(double min, double max) { scene_.bottom = {min, max}; }
    AxisRange bottomAxis() const { return scene_.bottom; }
    void setLeftAxis(double min, double max) { scene_.left = {min, max}; }
    AxisRange leftAxis() const { return scene_.left; }

    void setTitle(const QString& title) { scene_.title = title; }
    const QString& title() const { return scene_.title; }

    ChartStyle& style() { return scene_.style; }
    const ChartScene& scene() const { return scene_; }
    std::size_t bytesReserved() const { return scene_.data.bytesReserved(); }

    /// Schedules a repaint.
    void requestRepaint() { update(); }

    /// Layout of the chart at its on-screen size (widget coordinates).
    PaintParams currentLayout() const;
    /// Draws the whole chart into `area` of any painter.
    void render(QPainter& p, const QRectF& area) const { renderer_.render(p, area); }
    /// The chart as drawn on the screen, at its on-screen size.
    QImage toImage() const;
    /// Writes toImage() as a Windows bitmap; false when the file cannot be written.
    bool saveBitmap(const QString& fileName) const;
    /// Prints on `printer` inside margins given in per cent of the page
    /// (left, top, right, bottom); false when the printer cannot be opened.
    bool print(QPrinter& printer, const QMarginsF& marginsPercent) const;
    /// The page of print(): the chart laid out at its on-screen width and
    /// scaled uniformly into the part of `page` inside the margins.
    void renderOnPage(QPainter& p, const QRectF& page, const QMarginsF& marginsPercent) const;

signals:
    /// The legend moved (after a resize): controls set beside it follow.
    void legendMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ChartScene scene_;
    ChartRenderer renderer_{scene_};
};

} // namespace trv630
