#include "Page.h"

#include <emscripten.h>

#include "basics/Failure.h"
#include "text/Catalogue.h"

#include <algorithm>
#include <cstdlib>

// clang-format off
EM_JS(char*, js_namedLanguage, (), { try { return allocateUTF8(TavrolinPage.namedLanguage()); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(char*, js_preferredLanguages, (), { try { return allocateUTF8(TavrolinPage.preferredLanguages()); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_start, (const char* language, const char* ok, const char* ended, const char* endedTitle, const char* touchPause, const char* soundButton), { try {
    TavrolinPage.start(UTF8ToString(language),
                       {ok: UTF8ToString(ok), ended: UTF8ToString(ended), endedTitle: UTF8ToString(endedTitle),
                        touchPause: UTF8ToString(touchPause), soundButton: UTF8ToString(soundButton)});
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_showReadout, (int left, int top, int width, int height, int border, const char* lines, const double* places, int family, double pixels, int bold, unsigned ink, unsigned background), { try {
    TavrolinPage.showReadout(left, top, width, height, border, UTF8ToString(lines).split('\n'), places >> 3,
                             family, pixels, bold !== 0, ink, background);
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_hideReadout, (), { try { TavrolinPage.hideReadout(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_startSound, (), { try { return TavrolinPage.startSound() ? 1 : 0; } catch (e) { TavrolinPage.caught(e); return 0; } });
EM_JS(void, js_tone, (double hz, double loudness, double glide, double fade), { try { TavrolinPage.tone(hz, loudness, glide, fade); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_showSound, (int on), { try { TavrolinPage.showSound(on !== 0); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_setDrawingDescription, (const char* text), { try { TavrolinPage.setDrawingDescription(UTF8ToString(text)); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(double, js_viewportWidth, (), { try { return TavrolinPage.viewportWidth(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(double, js_viewportHeight, (), { try { return TavrolinPage.viewportHeight(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_coarsePointer, (), { try { return TavrolinPage.coarsePointer() ? 1 : 0; } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_arrange, (int touch, int beside), { try { TavrolinPage.arrange(touch !== 0, beside !== 0); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(double, js_restWidth, (), { try { return TavrolinPage.restWidth(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(double, js_restHeight, (), { try { return TavrolinPage.restHeight(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_place, (int boxLeft, int boxTop, int boxWidth, int boxHeight, double scale, double left, double top), { try {
    TavrolinPage.place(boxLeft, boxTop, boxWidth, boxHeight, scale, left, top);
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(double, js_scale, (), { try { return TavrolinPage.scale(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_addControl, (int index, int kind, int container, const char* name, const char* caption, int left,
                            int top, int width, int height, int family, int pixels, int bold, unsigned background,
                            int visible, int tabIndex, int tabStop, int minimum, int maximum, int value,
                            int captionIndent, int captionPadding,
                            const char* accessibleName, const char* accessibleDescription), { try {
    TavrolinPage.addControl({index: index, kind: kind, container: container, name: UTF8ToString(name),
                             caption: UTF8ToString(caption), left: left, top: top, width: width, height: height,
                             family: family, pixels: pixels, bold: bold !== 0, background: background,
                             visible: visible !== 0, tabIndex: tabIndex, tabStop: tabStop !== 0,
                             minimum: minimum, maximum: maximum, value: value,
                             captionIndent: captionIndent, captionPadding: captionPadding,
                             accessibleName: UTF8ToString(accessibleName),
                             accessibleDescription: UTF8ToString(accessibleDescription)});
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_orderTabs, (), { try { TavrolinPage.orderTabs(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_focus, (int index), { try { TavrolinPage.focus(index); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_click, (int index), { try { TavrolinPage.click(index); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_focused, (), { try { return TavrolinPage.focused(); } catch (e) { TavrolinPage.caught(e); return 0; } });
EM_JS(void, js_setScrollValue, (int index, int value), { try { TavrolinPage.setScrollValue(index, value); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_ready, (const char* title, const char* crashText), { try {
    TavrolinPage.ready(UTF8ToString(title), UTF8ToString(crashText));
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_kindOf, (int index), { try { return TavrolinPage.kindOf(index); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(char*, js_getText, (int index), { try { return allocateUTF8(TavrolinPage.getText(index)); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_setText, (int index, const char* text), { try { TavrolinPage.setText(index, UTF8ToString(text)); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_setChecked, (int index, int checked), { try { TavrolinPage.setChecked(index, checked !== 0); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_isChecked, (int index), { try { return TavrolinPage.isChecked(index) ? 1 : 0; } catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_scrollValue, (int index), { try { return TavrolinPage.scrollValue(index); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_show, (int index), { try { TavrolinPage.show(index); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_move, (int index, int left, int top), { try { TavrolinPage.move(index, left, top); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_shape, (int dw, int dh), { try { TavrolinPage.shape(dw, dh); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_flush, (const void* pixels, int width, int height, const void* rects, int count), { try {
    TavrolinPage.flush(pixels, width, height, rects, count);
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_renderTurned, (void* into, int width, int height, const char* text, double x, double y, int family,
                              double pixels, int bold, unsigned background, unsigned foreground), { try {
    TavrolinPage.renderTurned(into, width, height, UTF8ToString(text), x, y, family, pixels, bold !== 0, background,
                              foreground);
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(double, js_textWidth, (const char* text, int family, double pixels, int bold), { try {
    return TavrolinPage.textWidth(UTF8ToString(text), family, pixels, bold !== 0);
} catch (e) { TavrolinPage.caught(e); return 0; } });
EM_JS(void, js_renderLabel, (void* into, int width, int height, const char* lines, const double* places, int family,
                             double pixels, int bold, unsigned background, unsigned foreground), { try {
    TavrolinPage.renderLabel(into, width, height, UTF8ToString(lines).split('\n'), places >> 3, family, pixels,
                             bold !== 0, background, foreground);
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(char*, js_decimalSeparator, (), { try { return allocateUTF8(TavrolinPage.decimalSeparator()); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_ask, (const char* title, const char* prompt, const char* yes, const char* no, int focused,
                    int dismissible), { try {
    TavrolinPage.ask(UTF8ToString(title), UTF8ToString(prompt), UTF8ToString(yes), UTF8ToString(no), focused,
                     dismissible !== 0);
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_answer, (), { try { return TavrolinPage.answer(); } catch (e) { TavrolinPage.caught(e); } });
EM_ASYNC_JS(void, js_waitUntil, (double deadline), { await TavrolinPage.until(deadline); });
EM_JS(void, js_announce, (const char* text), { try { TavrolinPage.announce(UTF8ToString(text)); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_end, (), { try { TavrolinPage.end(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_failure, (const char* title, const char* text), { try {
    TavrolinPage.failure(UTF8ToString(title), UTF8ToString(text));
} catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_scheduleHeld, (), { try { TavrolinPage.scheduleHeld(); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(void, js_deliverHeld, (int number), { try { TavrolinPage.deliverHeld(number); } catch (e) { TavrolinPage.caught(e); } });
EM_JS(int, js_nextDelivered, (), { try { return TavrolinPage.nextDelivered(); } catch (e) { TavrolinPage.caught(e); return -1; } });
EM_JS(char*, js_takeError, (), { var e = TavrolinPage.takeError(); return e === null ? 0 : allocateUTF8(e); });
// clang-format on

namespace tavrolin::web::page {

namespace {

std::string owned(char* text)
{
    std::string out(text ? text : "");
    std::free(text);
    return out;
}

int index(ControlId id) { return int(indexOf(id)); }

// A JavaScript error in the page's call is the program's failure, like a
// toolkit's: thrown here, where the core can catch it.
void check()
{
    if (char* error = js_takeError())
        throw Failure(error::toolkit, formatted(tr("Chyba stránky: {reason}."), {{"reason", owned(error)}}));
}

template <class T> T checked(T value)
{
    check();
    return value;
}

} // namespace

LanguagesWanted languagesWanted()
{
    LanguagesWanted wanted{checked(owned(js_namedLanguage())), {}};
    // One tag a line. A string stream would do it in one line, but it brings
    // the C++ library's streams and locales into the page: a third of its size.
    const std::string preferred = checked(owned(js_preferredLanguages()));
    for (std::size_t from = 0; from < preferred.size();) {
        const std::size_t end = std::min(preferred.find('\n', from), preferred.size());
        wanted.preferred.push_back(preferred.substr(from, end - from));
        from = end + 1;
    }
    return wanted;
}
void start(std::string_view language, const Texts& texts)
{
    js_start(std::string(language).c_str(), std::string(texts.ok).c_str(), std::string(texts.ended).c_str(),
             texts.endedTitle.c_str(), std::string(texts.touchPause).c_str(), std::string(texts.soundButton).c_str());
    check();
}
void setDrawingDescription(std::string_view text)
{
    js_setDrawingDescription(std::string(text).c_str());
    check();
}
double viewportWidth() { return checked(js_viewportWidth()); }
double viewportHeight() { return checked(js_viewportHeight()); }
bool coarsePointer() { return checked(js_coarsePointer()) != 0; }
void arrange(bool touch, bool beside)
{
    js_arrange(touch, beside);
    check();
}
double restWidth() { return checked(js_restWidth()); }
double restHeight() { return checked(js_restHeight()); }
void place(const SceneBox& box, const Fit& fit)
{
    js_place(box.left, box.top, box.width, box.height, fit.scale, fit.left, fit.top);
    check();
}
double scale() { return checked(js_scale()); }

void addControl(const ControlRow& row, const FontStyle& font, std::string_view accessibleName,
                std::string_view accessibleDescription)
{
    const ScrollRange& range = windowLayout().scroll;
    js_addControl(index(row.id), int(row.kind), index(row.container), std::string(row.name).c_str(),
                  std::string(tr(row.caption)).c_str(), row.left, row.top, row.width, row.height, int(font.family),
                  font.pixelSize(), font.bold, row.background.value, row.visibleAtStart, row.tabIndex, row.tabStop,
                  range.minimum, range.maximum, range.value, frameCaptionIndent, frameCaptionPadding,
                  std::string(accessibleName).c_str(), std::string(accessibleDescription).c_str());
    check();
}
void orderTabs()
{
    js_orderTabs();
    check();
}
void focus(ControlId id)
{
    js_focus(index(id));
    check();
}
void click(ControlId id)
{
    js_click(index(id));
    check();
}
ControlId focused()
{
    const int at = checked(js_focused());
    return at > 0 && std::size_t(at) < controlCount ? ControlId(at) : ControlId::Tavrolin;
}
void setScrollValue(ControlId id, int value)
{
    js_setScrollValue(index(id), value);
    check();
}
void ready(std::string_view title, std::string_view crashText)
{
    js_ready(std::string(title).c_str(), std::string(crashText).c_str());
    check();
}
int kindOf(ControlId id) { return checked(js_kindOf(index(id))); }

std::string getText(ControlId id) { return checked(owned(js_getText(index(id)))); }
void setText(ControlId id, std::string_view text)
{
    js_setText(index(id), std::string(text).c_str());
    check();
}
void setChecked(ControlId id, bool checked)
{
    js_setChecked(index(id), checked ? 1 : 0);
    check();
}
bool isChecked(ControlId id) { return checked(js_isChecked(index(id)) != 0); }
int scrollValue(ControlId id) { return checked(js_scrollValue(index(id))); }
void show(ControlId id)
{
    js_show(index(id));
    check();
}
void move(ControlId id, int left, int top)
{
    js_move(index(id), left, top);
    check();
}

void shape(int deviceWidth, int deviceHeight)
{
    js_shape(deviceWidth, deviceHeight);
    check();
}
void flush(const std::uint32_t* pixels, int width, int height, const std::vector<PixelRect>& changed)
{
    static_assert(sizeof(PixelRect) == 4 * sizeof(int), "the page reads a rectangle as four ints");
    js_flush(pixels, width, height, changed.data(), int(changed.size()));
    check();
}
double textWidth(std::string_view text, const FontStyle& font, double pixels)
{
    return checked(js_textWidth(std::string(text).c_str(), int(font.family), pixels, font.bold));
}
void renderLabel(std::uint32_t* into, int width, int height, const std::vector<TextLine>& lines, const FontStyle& font,
                 double pixels, Colour background, Colour foreground)
{
    // The lines as one text, a line feed between them (no caption has one),
    // and their places as three numbers each.
    std::string texts;
    std::vector<double> places;
    for (const TextLine& line : lines) {
        if (!texts.empty() || !places.empty()) texts += '\n';
        texts += line.text;
        places.insert(places.end(), {line.left, double(line.top), line.squeeze});
    }
    js_renderLabel(into, width, height, texts.c_str(), places.data(), int(font.family), pixels, font.bold,
                   background.value, foreground.value);
    check();
}

void renderTurned(std::uint32_t* into, int width, int height, const AxisLabelText& text, const FontStyle& font,
                  double pixels, Colour background, Colour foreground)
{
    js_renderTurned(into, width, height, text.text.c_str(), text.x, text.y, int(font.family), pixels, font.bold,
                    background.value, foreground.value);
    check();
}

std::string decimalSeparator() { return checked(owned(js_decimalSeparator())); }

void ask(const Question& question)
{
    js_ask(std::string(question.title).c_str(), std::string(question.prompt).c_str(), std::string(question.yes).c_str(),
           std::string(question.no).c_str(), question.byDefault == Answer::No ? 1 : 0, question.dismissible);
    check();
}
int answer() { return checked(js_answer()); }
void waitUntil(double deadline)
{
    js_waitUntil(deadline);
    check();
}

void showReadout(const Readout& readout, const FontStyle& font, Colour ink, Colour background)
{
    std::string lines;
    std::vector<double> places;
    for (const TextLine& line : readout.lines) {
        if (!lines.empty()) lines += '\n';
        lines += line.text;
        places.push_back(line.left);
        places.push_back(line.top);
    }
    js_showReadout(readout.left, readout.top, readout.width, readout.height, readoutBorder, lines.c_str(),
                   places.data(), int(font.family), font.pixelSize(), font.bold ? 1 : 0, ink.value, background.value);
    check();
}
void hideReadout()
{
    js_hideReadout();
    check();
}
bool startSound()
{
    const bool started = js_startSound() != 0;
    check();
    return started;
}
void tone(double hz, double loudness, double glideSeconds, double fadeSeconds)
{
    js_tone(hz, loudness, glideSeconds, fadeSeconds);
    check();
}
void showSound(bool on)
{
    js_showSound(on ? 1 : 0);
    check();
}

void announce(std::string_view text)
{
    js_announce(std::string(text).c_str());
    check();
}
void scheduleHeld()
{
    js_scheduleHeld();
    check();
}
void deliverHeld(int number)
{
    js_deliverHeld(number);
    check();
}
int nextDelivered() { return checked(js_nextDelivered()); }

// The program's last words: an error in them has nobody left to tell.
void end() { js_end(); }
void failure(std::string_view title, std::string_view text)
{
    js_failure(std::string(title).c_str(), std::string(text).c_str());
}

} // namespace tavrolin::web::page
