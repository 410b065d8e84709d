#include "SurfaceWidget.h"

#include "layout/LabelText.h"
#include "layout/Layout.h"

#include "ColourMapping.h"
#include "Fonts.h"
#include "QtText.h"
#include "basics/Colour.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace tavrolin::qt {

namespace {

constexpr QSize minimumCanvas{sceneWidth, sceneHeight};

QPen penFor(const QColor& colour, int width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

// Where the painter puts an end point of an aliased line of width 1: it
// cuts the coordinate to 1/64 pixel towards zero and takes the pixel that
// holds it (measured against QPainter, see the Qt backend's pixel tests).
int painterPixel(qreal v) { return int(std::floor(double(static_cast<long long>(v * 64)) / 64.0)); }

QRect qRect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

QRect boundsOf(QPointF a, QPointF b, int penWidth)
{
    const QRectF r = QRectF(a, b).normalized();
    const int m = penWidth + 2;
    return r.toAlignedRect().adjusted(-m, -m, m, m);
}

} // namespace

SurfaceWidget::SurfaceWidget(QColor background, QWidget* parent) : QWidget(parent), background_(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureCanvas(minimumCanvas);
}

SurfaceWidget::~SurfaceWidget() { endPainting(); }

QPainter& SurfaceWidget::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&canvas_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBrush(Qt::NoBrush);
    }
    return *painter_;
}

QPainter& SurfaceWidget::painterWithPen(const QColor& colour)
{
    QPainter& p = painter();
    // Setting an equal pen still costs a state change; the plate's rows
    // draw thousands of lines with one pen.
    const QPen& current = p.pen();
    if (current.color() != colour || current.width() != penWidth_) p.setPen(penFor(colour, penWidth_));
    return p;
}

void SurfaceWidget::endPainting() { painter_.reset(); }

void SurfaceWidget::ensureCanvas(QSize size)
{
    // The canvas has the screen's pixels: on a projector at 200 %, or with
    // the scene fitted to the screen, a line of the scene is as many pixels
    // wide as the scale makes it and the labels' text stays sharp, while
    // every coordinate stays in the layout's pixels.
    if (screenRatio_ == 0) screenRatio_ = devicePixelRatioF();
    const qreal ratio = screenRatio_ * sceneScale_;
    const QSize logical = canvas_.isNull() ? QSize() : canvas_.deviceIndependentSize().toSize();
    // At the same scale it only grows, keeping what is drawn; a new scale
    // takes the size asked for, all that the screen can show at it.
    const QSize wanted = ratio == canvas_.devicePixelRatio() ? size.expandedTo(minimumCanvas).expandedTo(logical)
                                                             : size.expandedTo(minimumCanvas);
    if (wanted == logical && ratio == canvas_.devicePixelRatio()) return;
    endPainting();
    QImage grown((QSizeF(wanted) * ratio).toSize(), QImage::Format_RGB32);
    // Memory running out is the program's failure, shown as such; the
    // picture so far stays.
    if (grown.isNull()) throw std::bad_alloc();
    grown.setDevicePixelRatio(ratio);
    grown.fill(background_);
    if (!canvas_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QRectF(QPointF(0, 0), canvas_.deviceIndependentSize()), canvas_);
    }
    canvas_ = std::move(grown);
}

void SurfaceWidget::setSceneFit(double scale, QPointF origin)
{
    // On whole device pixels, so that each of the canvas's pixels is one
    // of the screen's.
    const qreal ratio = screenRatio_;
    origin = QPointF(std::round(origin.x() * ratio) / ratio, std::round(origin.y() * ratio) / ratio);
    if (scale == sceneScale_ && origin == origin_) return;
    const double oldScale = std::exchange(sceneScale_, scale);
    const QPointF oldOrigin = std::exchange(origin_, origin);
    try {
        fitCanvas();
    } catch (...) {
        sceneScale_ = oldScale;
        origin_ = oldOrigin;
        throw;
    }
    update();
}

QRect SurfaceWidget::toWidget(const QRect& drawn) const
{
    if (sceneScale_ == 1 && origin_.isNull()) return drawn;
    const QRectF r(origin_ + QPointF(drawn.topLeft()) * sceneScale_, QSizeF(drawn.size()) * sceneScale_);
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void SurfaceWidget::drawLine(QPointF from, QPointF to, const QColor& colour)
{
    // The plate's rows and the clearing bands, tens of thousands a run, are
    // one pixel high: written straight into the canvas, the very pixels the
    // painter gives them (both ends included). Shorter than a pixel, or on a
    // scaled canvas, they take the painter's own way.
    if (penWidth_ == 1 && from.y() == to.y() && std::abs(to.x() - from.x()) >= 1 && canvas_.devicePixelRatio() == 1.0 &&
        std::abs(from.x()) < 1e6 && std::abs(to.x()) < 1e6 && std::abs(from.y()) < 1e6) {
        drawRow(painterPixel(std::min(from.x(), to.x())), painterPixel(std::max(from.x(), to.x())),
                painterPixel(from.y()), colour);
        return;
    }
    painterWithPen(colour).drawLine(from, to);
    touch(boundsOf(from, to, penWidth_));
}

void SurfaceWidget::drawRow(int left, int right, int row, const QColor& colour)
{
    left = std::max(left, 0);
    right = std::min(right, canvas_.width() - 1);
    if (row < 0 || row >= canvas_.height() || left > right) return;
    auto* pixels = reinterpret_cast<QRgb*>(canvas_.scanLine(row));
    std::fill(pixels + left, pixels + right + 1, colour.rgb() | 0xFF000000u);
    touch(QRect(left, row, right - left + 1, 1));
}

void SurfaceWidget::drawCircle(QPointF centre, qreal radius, const QColor& colour)
{
    QPainter& p = painterWithPen(colour);
    p.drawEllipse(centre, radius, radius);
    const QPointF r(radius, radius);
    touch(boundsOf(centre - r, centre + r, penWidth_));
}

void SurfaceWidget::paint(const std::vector<PaintStep>& steps, const PaintedControls& painted)
{
    for (const PaintStep& step : steps) {
        if (step.control)
            paintControl(*step.control, qRect(painted.rect(*step.control)), qRect(step.area));
        else
            fillBackground(qRect(step.area));
    }
}

void SurfaceWidget::paintControl(ControlId id, const QRect& rect, const QRect& clip)
{
    const auto& look = looks_[indexOf(id)];
    if (!look) return;
    QPainter& p = painter();
    p.setClipRect(clip);
    // The image's words, where the language has them instead of the bitmap.
    const QFont turnedFont = fontFor(axisLabelFont);
    const auto turned =
        look->image.isNull()
            ? std::nullopt
            : axisLabelText(rect.width(), rect.height(), turnedFont.pixelSize(), [&](std::string_view text) {
                  return QFontMetricsF(turnedFont).horizontalAdvance(qs(text));
              });
    if (turned) {
        p.fillRect(rect, toQColor(axisLabelBackground));
        p.setFont(turnedFont);
        p.setPen(QPen(toQColor(axisLabelInk)));
        p.save();
        p.translate(rect.left() + turned->x, rect.top() + turned->y);
        p.rotate(90);
        p.drawText(QPointF(0, QFontMetricsF(turnedFont).ascent()), qs(turned->text));
        p.restore();
    } else if (!look->image.isNull()) {
        if (!look->image2x.isNull() && axisLabelTwice(canvas_.devicePixelRatio()))
            p.drawImage(QRectF(rect), look->image2x); // its pixels the canvas's, near enough
        else
            p.drawImage(rect.topLeft(), look->image);
    } else {
        p.fillRect(rect, look->background);
        p.setFont(look->font);
        p.setPen(QPen(toQColor(controlText)));
        const QFontMetricsF metrics(look->font);
        const auto measure = [&](std::string_view text) { return metrics.horizontalAdvance(qs(text)); };
        for (const TextLine& line : labelLines(look->text, look->align, look->family, look->font.pixelSize(),
                                               rect.width(), rect.height(), measure)) {
            p.save();
            p.translate(rect.left() + line.left, rect.top() + line.top);
            if (line.squeeze < 1) p.scale(line.squeeze, 1);
            p.drawText(QRectF(0, 0, rect.width(), rect.height()),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, qs(line.text));
            p.restore();
        }
    }
    p.setClipping(false);
    touch(clip);
}

void SurfaceWidget::fillBackground(const QRect& rect)
{
    painter().fillRect(rect, background_);
    touch(rect);
}

void SurfaceWidget::touch(const QRect& rect) { dirty_ |= rect; }

void SurfaceWidget::flush()
{
    endPainting();
    const QRect area = toWidget(dirty_) & rect();
    dirty_ = QRect();
    if (!area.isEmpty() && isVisible()) repaint(area);
}

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    endPainting();
    QPainter p(this);
    const QRect r = event->rect();
    const qreal ratio = canvas_.devicePixelRatio();
    if (ratio == 1.0 && origin_.isNull()) {
        p.drawImage(r.topLeft(), canvas_, r); // a plain copy, the common case
        return;
    }
    // Around a fitted scene, the background; the scene a copy of the
    // canvas's pixels, which are the screen's.
    const QRectF scene(origin_, canvas_.deviceIndependentSize() * sceneScale_);
    const QRectF shown = QRectF(r) & scene;
    if (QRectF(r) != shown) {
        QRegion around(r);
        around -= scene.toAlignedRect();
        for (const QRect& part : around)
            p.fillRect(part, background_);
    }
    if (shown.isEmpty()) return;
    p.drawImage(shown, canvas_, QRectF((shown.topLeft() - origin_) * screenRatio_, shown.size() * screenRatio_));
}

void SurfaceWidget::resizeEvent(QResizeEvent* event)
{
    if (onResize) onResize();
    QWidget::resizeEvent(event);
}

void SurfaceWidget::fitCanvas()
{
    // The window's area in the layout's pixels: at a scale above 1 fewer of
    // them than the window has, so the canvas is not made larger than the
    // screen shows.
    ensureCanvas(QSize(int(std::ceil(width() / sceneScale_)), int(std::ceil(height() / sceneScale_))));
}

void SurfaceWidget::closeEvent(QCloseEvent* event)
{
    if (!closingForGood_ && mayClose && !mayClose(event->spontaneous())) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace tavrolin::qt
