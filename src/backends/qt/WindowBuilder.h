#pragma once

#include "ScaledStyle.h"
#include "SurfaceWidget.h"
#include "basics/ControlId.h"
#include "layout/SceneFit.h"

#include <array>
#include <memory>

class QWidget;

namespace tavrolin::qt {

// The main window built from the layout table: the client area with the
// child controls on it and the labels and the image painted into it.
struct BuiltWindow {
    // Before the window: its controls use it until they go with it.
    std::unique_ptr<ScaledStyle> style;
    std::unique_ptr<SurfaceWidget> window;
    std::array<QWidget*, controlCount> widgets{};     // null for painted controls
    std::array<QPoint, controlCount> layoutTopLeft{}; // where each control stands in the layout's pixels
    Fit fit{1, 0, 0};                                 // how the scene is shown in the window
};

BuiltWindow buildWindow();

// Shows the scene at the fit: the controls, their fonts and the drawing.
void applyFit(BuiltWindow& built, const Fit& fit);

// Where a control goes in its parent at the window's fit, its top left
// corner at the given layout position.
QRect placeOf(const BuiltWindow& built, ControlId id, QPoint layoutTopLeft);

// The axis-label bitmap of the image control.
QImage axisLabelImage(const QString& resource = QStringLiteral(":/tavrolin/sila_skla.bmp"));

} // namespace tavrolin::qt
