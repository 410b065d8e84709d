#include "ScaledStyle.h"

#include <QApplication>
#include <QStyleFactory>

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

} // namespace tavrolin::qt
