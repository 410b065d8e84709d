#pragma once

#include "PictureChecks.h"
#include "layout/Layout.h"

#include <QImage>
#include <QRect>
#include <QString>

// The program's window as a user sees it on the screen: where its controls
// are, and what it shows at the moments a user waits for. Shared by the
// end-to-end tests and the tool that makes the guides' screenshots.
namespace program_window {

// A control's rectangle in client coordinates, frames' offsets included.
QRect clientRect(tavrolin::ControlId id);
void clickOn(const picture::View& view, tavrolin::ControlId id);

// Waits until the freshly started window is maximized, drawn (the green
// frequency button shows) and has the keyboard; false if that never comes.
bool waitUntilReady(const QString& windowId, picture::View& view, int timeoutMs);

// The question box, once the window manager has given it the keyboard, so
// that the keys sent next are the box's; empty if it never comes.
QString waitForQuestion(int timeoutMs);

// Waits for a run to finish: its clearing removes the glass of an earlier
// run at once, and the closing picture paints it again. The last screenshot
// and whether the run finished.
std::pair<QImage, bool> waitForClosingPicture(const picture::View& view, bool hadGlass, int timeoutMs);

// How deep the plate has grown: its dark rows, at its left edge.
int plateRows(const QImage& shot, const picture::View& view);

// The paused run's readout, a pale yellow box beside the curve.
bool showsReadout(const QImage& shot, const picture::View& view);

} // namespace program_window
