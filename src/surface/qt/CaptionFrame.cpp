#include "CaptionFrame.h"

#include <QFontMetrics>
#include <QPainter>

namespace tavrolin::qt {

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption)
{
    setAccessibleName(caption);
}

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

    if (caption_.isEmpty()) return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 2, metrics.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption_);
}

} // namespace tavrolin::qt
