#include "ScaledStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace tavrolin::qt {

ScaledStyle::ScaledStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
        return int(std::lround(size * scale_));
    default:
        return size;
    }
}

void ScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element != PE_IndicatorRadioButton) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const double ring = std::max(1.0, scale_);
    const QRectF disc = QRectF(option->rect).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    painter->setPen(QPen(QColor(64, 64, 64), ring));
    painter->setBrush(option->state & State_Enabled ? QColor(255, 255, 255) : QColor(224, 224, 224));
    painter->drawEllipse(disc);
    if (option->state & State_On) {
        const double dot = disc.width() * 0.45;
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0, 0, 0));
        painter->drawEllipse(QRectF(disc.center() - QPointF(dot / 2, dot / 2), QSizeF(dot, dot)));
    }
    painter->restore();
}

} // namespace tavrolin::qt
