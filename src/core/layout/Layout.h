#pragma once

#include "basics/Colour.h"
#include "basics/ControlId.h"

#include <optional>
#include <span>
#include <string_view>

namespace tavrolin {

enum class ControlKind { Window, ScrollBar, TextField, Frame, CommandButton, OptionButton, Label, Image };

enum class FontFamily { TimesNewRoman, MsSansSerif };

struct FontStyle {
    FontFamily family;
    double points;
    bool bold;

    // The layout is drawn for a 96-dpi screen; fonts are sized in pixels so
    // that it does not depend on the screen's setting.
    int pixelSize() const;
};

enum class TextAlign { Left, Centre };

// One control of the main window as the layout defines it. Positions are
// pixels; inside a frame they are relative to the frame.
struct ControlRow {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    ControlId container;      // ControlId::Tavrolin for controls placed on the window
    std::string_view caption; // the Czech text, the catalogue's key: shown as tr(caption)
    int left, top, width, height;
    std::optional<FontStyle> font; // none: the window's default font
    Colour background;
    bool visibleAtStart;
    int tabIndex; // -1: not in the tab order at all
    bool tabStop; // false: reachable by mouse, skipped by the Tab key
    TextAlign align;
};

struct ScrollRange {
    int minimum, maximum, value, smallChange, largeChange;
};

// A step of the scroll bar, as its arrows, a click beside its thumb or the
// keyboard ask for it.
enum class ScrollStep { LineBack, LineOn, PageBack, PageOn, First, Last };
// The value after the step, within the range.
int scrolled(const ScrollRange& range, int value, ScrollStep step);

struct WindowLayout {
    std::string_view title;
    int clientWidth, clientHeight;
    Colour background, foreground;
    FontStyle defaultFont;
    ScrollRange scroll; // of HScroll1
    int axisLabelWidth, axisLabelHeight;
};

const WindowLayout& windowLayout();

// The scene in the layout's pixels: every control and every line a run
// draws lie within it. A drawing is never made smaller, so a restored or
// small window keeps the whole of it.
constexpr int sceneWidth = 800;
constexpr int sceneHeight = 600;

// A frame's caption stands this far in from the frame's left edge, on the
// frame's background widened by the padding, in layout pixels.
constexpr int frameCaptionIndent = 8;
constexpr int frameCaptionPadding = 2;

// Every control but the window itself, in the order they are created.
std::span<const ControlRow> layout();

const ControlRow& layoutOf(ControlId id);

// The name of a control, or of the window itself, as messages show it.
std::string_view controlName(ControlId id);

// The window caption: the program name, " - " and the web address.
std::string_view windowCaption();

} // namespace tavrolin
