#pragma once

#include "layout/Readout.h"

#include <QWidget>

#include <functional>

namespace tavrolin::qt {

// The paused run's readout: a box above the drawing, at the core's place and
// in its words, scaled as the scene is. Clicks go through it to the drawing.
class ReadoutWidget : public QWidget {
public:
    // Where a rectangle of the scene lies in the parent, and the scene's scale.
    using Place = std::function<QRectF(const QRectF&)>;
    ReadoutWidget(QWidget* parent, Place place, std::function<double()> scale);

    void show(const Readout& readout);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Place place_;
    std::function<double()> scale_;
    Readout readout_;
};

} // namespace tavrolin::qt
