#pragma once

#include "SurfaceWidget.h"
#include "surface/ControlId.h"

#include <array>
#include <memory>

class QWidget;

namespace tavrolin::qt {

// The main window built from the layout table: the client area with the
// child controls on it and the labels and the image painted into it.
struct BuiltWindow {
    std::unique_ptr<SurfaceWidget> window;
    std::array<QWidget*, controlCount> widgets{}; // null for painted controls
};

BuiltWindow buildWindow();

// The axis-label bitmap of the image control.
QImage axisLabelImage();

} // namespace tavrolin::qt
