#pragma once

#include <QProxyStyle>

namespace tavrolin::qt {

// The application's style with the sizes that do not follow the font (the
// option buttons' round indicator, the scroll bar's thickness and arrows)
// grown with the scene, so that a control shown larger is larger through
// and through. The option buttons' circle is the classic one, a white disc in
// a dark ring, readable on their coloured backgrounds from the back of a
// room.
class ScaledStyle : public QProxyStyle {
public:
    ScaledStyle();

    void setScale(double scale) { scale_ = scale; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    double scale_ = 1;
};

} // namespace tavrolin::qt
