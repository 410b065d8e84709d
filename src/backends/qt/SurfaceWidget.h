#pragma once

#include "basics/ControlId.h"
#include "layout/Layout.h"
#include "layout/PaintedControls.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavrolin::qt {

// How a label or the image control looks; where it is and whether it is
// visible is the core's PaintedControls.
struct PaintedLook {
    std::string text;
    QFont font;
    FontFamily family = FontFamily::TimesNewRoman;
    TextAlign align = TextAlign::Left;
    QColor background;
    QImage image;   // the image control's bitmap; null for a label
    QImage image2x; // the same drawn at twice the size
};

// The main window's client area. What is drawn goes into a retained image,
// so it survives the window being covered; child controls lie above it.
// Drawing is aliased: drawing a line again in another colour replaces every
// pixel of it.
class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(QColor background, QWidget* parent = nullptr);
    ~SurfaceWidget() override;

    void setPenWidth(int width) { penWidth_ = width; }
    int penWidth() const { return penWidth_; }
    void drawLine(QPointF from, QPointF to, const QColor& colour);
    void drawCircle(QPointF centre, qreal radius, const QColor& colour);

    // Gives a label or the image its look; the core says where it goes.
    void addPainted(ControlId id, const PaintedLook& look) { looks_[indexOf(id)] = look; }
    bool paints(ControlId id) const { return looks_[indexOf(id)].has_value(); }
    // Paints the background or painted controls as the steps say.
    void paint(const std::vector<PaintStep>& steps, const PaintedControls& painted);

    const QImage& canvas()
    {
        endPainting();
        return canvas_;
    }

    // Puts everything drawn since the last flush on the screen now.
    void flush();

    // Shows the drawing at the scale, its corner at the origin (in the
    // widget's coordinates). What is drawn so far is kept, stretched to the
    // new scale.
    void setSceneFit(double scale, QPointF origin);
    // Where a rectangle of the scene (layout pixels) shows in the widget.
    QRectF sceneToWidget(const QRectF& scene) const
    {
        return QRectF(origin_ + scene.topLeft() * sceneScale_, scene.size() * sceneScale_);
    }
    double sceneScale() const { return sceneScale_; }
    // Grows the canvas to the window's present size; a canvas that cannot
    // be made throws std::bad_alloc.
    void fitCanvas();

    // A new size.
    std::function<void()> onResize;

    // Asked before the window closes, by the desktop or by other code;
    // returning false keeps it open.
    std::function<bool(bool fromDesktop)> mayClose;
    // The program has ended: the window closes without asking.
    void closeForGood()
    {
        closingForGood_ = true;
        close();
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void drawRow(int left, int right, int row, const QColor& colour);
    void paintControl(ControlId id, const QRect& rect, const QRect& clip);
    void fillBackground(const QRect& rect);
    void touch(const QRect& rect);
    void ensureCanvas(QSize size);
    // Where a rectangle of the drawing shows in the widget.
    QRect toWidget(const QRect& drawn) const;
    // One painter stays open on the canvas between flushes: a run draws some
    // fifty thousand lines, and opening a painter for each would cost more
    // than the drawing.
    QPainter& painter();
    QPainter& painterWithPen(const QColor& colour);
    void endPainting();

    QColor background_;
    double sceneScale_ = 1;
    qreal screenRatio_ = 0; // the screen's device pixels per pixel, taken when the canvas is first made
    QPointF origin_;
    QImage canvas_;
    std::unique_ptr<QPainter> painter_;
    int penWidth_ = 1;
    bool closingForGood_ = false;
    QRect dirty_;
    std::array<std::optional<PaintedLook>, controlCount> looks_;
};

} // namespace tavrolin::qt
