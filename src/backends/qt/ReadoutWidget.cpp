#include "ReadoutWidget.h"

#include "ColourMapping.h"
#include "Fonts.h"
#include "QtText.h"

#include <QPainter>

#include <cmath>

namespace tavrolin::qt {

ReadoutWidget::ReadoutWidget(QWidget* parent, Place place, std::function<double()> scale)
    : QWidget(parent), place_(std::move(place)), scale_(std::move(scale))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ReadoutWidget::show(const Readout& readout)
{
    readout_ = readout;
    setGeometry(place_(QRectF(readout.left, readout.top, readout.width, readout.height)).toAlignedRect());
    QWidget::show();
    raise();
    update();
}

void ReadoutWidget::paintEvent(QPaintEvent*)
{
    const double scale = scale_();
    QPainter p(this);
    p.fillRect(rect(), toQColor(readoutBackground));
    const int border = int(std::ceil(readoutBorder * scale));
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(readoutInk));
    p.drawRect(0, 0, width(), border);
    p.drawRect(0, height() - border, width(), border);
    p.drawRect(0, 0, border, height());
    p.drawRect(width() - border, 0, border, height());
    p.setFont(fontFor(readoutFont, scale));
    p.setPen(toQColor(readoutInk));
    for (const TextLine& line : readout_.lines)
        p.drawText(QRectF(line.left * scale, line.top * scale, width(), height()), Qt::AlignLeft | Qt::AlignTop,
                   qs(line.text));
}

} // namespace tavrolin::qt
