#pragma once

#include "basics/Colour.h"
#include "layout/LabelText.h"
#include "layout/Layout.h"
#include "layout/PaintedControls.h"
#include "layout/Readout.h"
#include "layout/SceneFit.h"
#include "primitives/Backend.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrolin::web::page {

// The calls the program makes of its page (page.js). Control indexes are
// the ControlId values.

// The languages the page is asked for: its address's lang= parameter (empty
// where it has none), and the browser's preferred languages in order.
struct LanguagesWanted {
    std::string named;
    std::vector<std::string> preferred;
};
LanguagesWanted languagesWanted();
// The page's own texts, in the program's language.
struct Texts {
    std::string_view ok;          // the failure box's button
    std::string_view ended;       // what the page says when the program has ended
    std::string endedTitle;       // the page's title then
    std::string_view touchPause;  // the touch panel's line on pausing
    std::string_view soundButton; // its button that turns the tone on and off
};
// Builds the page for the program, in the language given (its tag).
void start(std::string_view language, const Texts& texts);
void setDrawingDescription(std::string_view text);
// The browser window's inner size in CSS pixels, and whether its pointer
// is a finger.
double viewportWidth();
double viewportHeight();
bool coarsePointer();
// Puts the settings controls into the touch panel (above the drawing, or
// beside it) or back into the scene.
void arrange(bool touch, bool beside);
// The area the panel leaves for the scene, in CSS pixels.
double restWidth();
double restHeight();
// Shows that part of the scene at the fit's scale and place in that area.
void place(const SceneBox& box, const Fit& fit);
// Device pixels per CSS pixel.
double scale();

void addControl(const ControlRow& row, const FontStyle& font, std::string_view accessibleName,
                std::string_view accessibleDescription);
void orderTabs();
void focus(ControlId id);
// A click of the control's, as the user's; its event goes to nextDelivered().
void click(ControlId id);
// The control with the focus, or the window for none.
ControlId focused();
void setScrollValue(ControlId id, int value);
// The program has started and reports its own failures from now on; should
// it stop without a word, the page shows the failure box with these texts.
void ready(std::string_view title, std::string_view crashText);
// The kind of element the page made for the control, or -1 for none.
int kindOf(ControlId id);

std::string getText(ControlId id);
void setText(ControlId id, std::string_view text);
void setChecked(ControlId id, bool checked);
bool isChecked(ControlId id);
int scrollValue(ControlId id);
void show(ControlId id);
void move(ControlId id, int left, int top);

// The drawing's size in device pixels, at the scale last placed.
void shape(int deviceWidth, int deviceHeight);
// Puts the rectangles of the drawing's pixels on the screen.
void flush(const std::uint32_t* pixels, int width, int height, const std::vector<PixelRect>& changed);
// How wide the text is in the font at this many device pixels, in device
// pixels.
double textWidth(std::string_view text, const FontStyle& font, double pixels);
// A label's lines in the font at this many device pixels, on its background:
// device pixels written into memory the program gave.
void renderLabel(std::uint32_t* into, int width, int height, const std::vector<TextLine>& lines, const FontStyle& font,
                 double pixels, Colour background, Colour foreground);

// The axis label's words into a buffer of that size, turned as the core
// places them.
void renderTurned(std::uint32_t* into, int width, int height, const AxisLabelText& text, const FontStyle& font,
                  double pixels, Colour background, Colour foreground);
std::string decimalSeparator();

// Opens the question; answer() is -1 until it is answered, then 0 for yes,
// 1 for no, 2 for a question dismissed.
void ask(const Question& question);
int answer();

// Returns, the browser's loop having run meanwhile, at a time of
// emscripten_get_now() in milliseconds.
void waitUntil(double deadline);

// Says the text in the page's polite live region.
void announce(std::string_view text);

// The paused run's readout, above the drawing.
void showReadout(const Readout& readout, const FontStyle& font, Colour ink, Colour background);
void hideReadout();
// The tone, through Web Audio: false where the browser has none.
bool startSound();
void tone(double hz, double loudness, double glideSeconds, double fadeSeconds);
// The touch panel's sound button shows whether the tone is on.
void showSound(bool on);
// Held input: the page calls tavrolin_deliver_held from a timer of its own.
void scheduleHeld();
// Gives held input number `number` to the controls; the events it made for
// the program follow from nextDelivered(), as control index * 4 + event,
// until it returns -1.
void deliverHeld(int number);
int nextDelivered();
// The program has ended: the page says so, with the texts given at start.
void end();
void failure(std::string_view title, std::string_view text);

} // namespace tavrolin::web::page
