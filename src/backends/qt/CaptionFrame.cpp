#include "CaptionFrame.h"

#include "layout/Layout.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace tavrolin::qt {

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));

    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border(0, top, width() - 2, height() - top - 2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(border);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(border.translated(1, 1));

    const QString caption = title();
    if (caption.isEmpty()) return;
    const auto scaled = [this](int v) { return int(std::lround(v * scale_)); };
    const QRect text(scaled(frameCaptionIndent), 0, metrics.horizontalAdvance(caption) + scaled(frameCaptionPadding),
                     metrics.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption);
}

} // namespace tavrolin::qt
