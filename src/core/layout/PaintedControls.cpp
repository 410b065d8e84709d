#include "layout/PaintedControls.h"

#include "basics/Failure.h"
#include "layout/Layout.h"
#include "text/Catalogue.h"

#include <algorithm>
#include <string>

namespace tavrolin {

PixelRect PixelRect::intersected(const PixelRect& other) const
{
    const int l = std::max(left, other.left);
    const int t = std::max(top, other.top);
    const int r = std::min(left + width, other.left + other.width);
    const int b = std::min(top + height, other.top + other.height);
    if (r <= l || b <= t) return {};
    return {l, t, r - l, b - t};
}

namespace {

// The source's label is as narrow as the Czech word. In the last picture the
// scene is empty to its right, and another language's longer word for the
// source is given the detector label's width there.
int boxWidth(const ControlRow& c)
{
    if (c.id == ControlId::labZdroj && currentLanguage() != Language::Czech)
        return layoutOf(ControlId::labDetektor).width;
    return c.width;
}

} // namespace

PaintedControls::PaintedControls()
{
    for (const ControlRow& c : layout()) {
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Image)
            entries_.push_back({c.id, {c.left, c.top, boxWidth(c), c.height}, c.visibleAtStart});
    }
}

const PaintedControls::Entry* PaintedControls::find(ControlId id) const
{
    const auto it = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
    return it == entries_.end() ? nullptr : &*it;
}

const PaintedControls::Entry& PaintedControls::at(ControlId id) const
{
    if (const Entry* e = find(id)) return *e;
    throw Failure(error::toolkit,
                  formatted(tr("Ovládací prvek {control} se nekreslí do obrázku."), {{"control", controlName(id)}}));
}

PaintedControls::Entry& PaintedControls::at(ControlId id)
{
    return const_cast<Entry&>(static_cast<const PaintedControls&>(*this).at(id));
}

PixelRect PaintedControls::rect(ControlId id) const { return at(id).rect; }

bool PaintedControls::visible(ControlId id) const { return at(id).visible; }

std::vector<PaintStep> PaintedControls::atStart() const
{
    std::vector<PaintStep> steps;
    for (const Entry& e : entries_)
        if (e.visible) steps.push_back({e.id, e.rect});
    return steps;
}

void PaintedControls::drawnOver(const PixelRect& area)
{
    for (Entry& e : entries_)
        if (!e.covered && !e.rect.intersected(area).empty()) e.covered = true;
}

std::vector<PaintStep> PaintedControls::uncovered() const
{
    std::vector<PaintStep> steps;
    for (const Entry& e : entries_)
        if (e.visible && !e.covered) steps.push_back({e.id, e.rect});
    return steps;
}

std::vector<PaintStep> PaintedControls::show(ControlId id)
{
    Entry& e = at(id);
    e.visible = true;
    e.covered = false;
    return {{id, e.rect}};
}

std::vector<PaintStep> PaintedControls::move(ControlId id, int left, int top)
{
    Entry& moved = at(id);
    const PixelRect old = moved.rect;
    moved.rect.left = left;
    moved.rect.top = top;
    if (!moved.visible) return {};
    moved.covered = false;

    std::vector<PaintStep> steps{{std::nullopt, old}};
    for (const Entry& e : entries_) {
        if (&e == &moved || !e.visible) continue;
        const PixelRect covered = e.rect.intersected(old);
        if (!covered.empty()) steps.push_back({e.id, covered});
    }
    steps.push_back({id, moved.rect});
    return steps;
}

} // namespace tavrolin
