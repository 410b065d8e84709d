#pragma once

#include "basics/ControlId.h"

#include <optional>
#include <vector>

namespace tavrolin {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    PixelRect intersected(const PixelRect& other) const;
    bool operator==(const PixelRect&) const = default;
};

// One thing a backend paints into the drawing: the window's background over
// the area, or a painted control clipped to it.
struct PaintStep {
    std::optional<ControlId> control; // none: the background
    PixelRect area;
    bool operator==(const PaintStep&) const = default;
};

// The axis-label bitmap drawn at twice the layout's size serves a drawing of
// 1.5 or more device pixels per layout pixel: the single one would show its
// pixels doubled there.
constexpr bool axisLabelTwice(double devicePixelsPerLayoutPixel) { return devicePixelsPerLayoutPixel >= 1.5; }

// The labels and the image control are not child windows but painted into
// the drawing, so the drawing covers them and they cover the drawing in the
// order the program does it. This is where every backend learns where they
// are, which are visible, and what to paint when one is shown or moved.
// Among themselves they lie in the layout's order, a later one above.
class PaintedControls {
public:
    // Every label and the image of the layout, at its place and visibility.
    PaintedControls();

    bool holds(ControlId id) const { return find(id) != nullptr; }
    PixelRect rect(ControlId id) const;
    bool visible(ControlId id) const;

    // The visible ones, whole, for a new drawing.
    std::vector<PaintStep> atStart() const;
    // The drawing went over the area: a control there is covered until it
    // is painted whole again.
    void drawnOver(const PixelRect& area);
    // The visible ones that nothing has been drawn over since they were
    // painted: what a drawing taken to a new scale may paint sharp again
    // without bringing back a control the drawing covers.
    std::vector<PaintStep> uncovered() const;
    std::vector<PaintStep> show(ControlId id);
    // A visible control moving away uncovers its old rectangle: there the
    // background shows again, with every visible painted control that
    // overlaps it on top in their order; only the drawing there is lost.
    std::vector<PaintStep> move(ControlId id, int left, int top);

private:
    struct Entry {
        ControlId id;
        PixelRect rect;
        bool visible;
        bool covered = false;
    };
    const Entry* find(ControlId id) const;
    const Entry& at(ControlId id) const;
    Entry& at(ControlId id);

    std::vector<Entry> entries_;
};

} // namespace tavrolin
