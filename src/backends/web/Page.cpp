#include "Page.h"

#include <emscripten.h>

#include <cstdlib>

// clang-format off
EM_JS(void, js_start, (), { TavrolinPage.start(); });
EM_JS(void, js_setDrawingDescription, (const char* text), { TavrolinPage.setDrawingDescription(UTF8ToString(text)); });
EM_JS(int, js_width, (int minimum), { return TavrolinPage.width(minimum); });
EM_JS(int, js_height, (int minimum), { return TavrolinPage.height(minimum); });
EM_JS(double, js_scale, (), { return TavrolinPage.scale(); });
EM_JS(void, js_addControl, (int index, int kind, int container, const char* name, const char* caption, int left,
                            int top, int width, int height, int family, int pixels, int bold, unsigned background,
                            int visible, int tabIndex, int tabStop, int minimum, int maximum, int value,
                            const char* accessibleName, const char* accessibleDescription), {
    TavrolinPage.addControl({index: index, kind: kind, container: container, name: UTF8ToString(name),
                             caption: UTF8ToString(caption), left: left, top: top, width: width, height: height,
                             family: family, pixels: pixels, bold: bold !== 0, background: background,
                             visible: visible !== 0, tabIndex: tabIndex, tabStop: tabStop !== 0,
                             minimum: minimum, maximum: maximum, value: value,
                             accessibleName: UTF8ToString(accessibleName),
                             accessibleDescription: UTF8ToString(accessibleDescription)});
});
EM_JS(void, js_orderTabs, (), { TavrolinPage.orderTabs(); });
EM_JS(void, js_focus, (int index), { TavrolinPage.focus(index); });
EM_JS(int, js_kindOf, (int index), { return TavrolinPage.kindOf(index); });
EM_JS(char*, js_getText, (int index), { return allocateUTF8(TavrolinPage.getText(index)); });
EM_JS(void, js_setText, (int index, const char* text), { TavrolinPage.setText(index, UTF8ToString(text)); });
EM_JS(void, js_check, (int index), { TavrolinPage.check(index); });
EM_JS(int, js_isChecked, (int index), { return TavrolinPage.isChecked(index) ? 1 : 0; });
EM_JS(int, js_scrollValue, (int index), { return TavrolinPage.scrollValue(index); });
EM_JS(void, js_show, (int index), { TavrolinPage.show(index); });
EM_JS(void, js_move, (int index, int left, int top), { TavrolinPage.move(index, left, top); });
EM_JS(void, js_shape, (int dw, int dh, int lw, int lh), { TavrolinPage.shape(dw, dh, lw, lh); });
EM_JS(void, js_flush, (const void* pixels, int width, int height, int left, int top, int cw, int ch), {
    TavrolinPage.flush(pixels, width, height, left, top, cw, ch);
});
EM_JS(void, js_renderLabel, (void* into, int width, int height, const char* text, int family, int pixels, int bold,
                             int centred, unsigned background, unsigned foreground, double scale), {
    TavrolinPage.renderLabel(into, width, height, UTF8ToString(text), family, pixels, bold !== 0, centred !== 0,
                             background, foreground, scale);
});
EM_JS(char*, js_decimalSeparator, (), { return allocateUTF8(TavrolinPage.decimalSeparator()); });
EM_JS(void, js_ask, (const char* title, const char* prompt), {
    TavrolinPage.ask(UTF8ToString(title), UTF8ToString(prompt));
});
EM_JS(int, js_answer, (), { return TavrolinPage.answer(); });
EM_ASYNC_JS(void, js_waitUntil, (double deadline), { await TavrolinPage.until(deadline); });
EM_JS(void, js_handlerDone, (), { TavrolinPage.handlerDone(); });
EM_JS(void, js_end, (const char* message), { TavrolinPage.end(UTF8ToString(message)); });
EM_JS(void, js_failure, (const char* title, const char* text, const char* endMessage), {
    TavrolinPage.failure(UTF8ToString(title), UTF8ToString(text), UTF8ToString(endMessage));
});
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

} // namespace

void start() { js_start(); }
void setDrawingDescription(std::string_view text) { js_setDrawingDescription(std::string(text).c_str()); }
int width(int minimum) { return js_width(minimum); }
int height(int minimum) { return js_height(minimum); }
double scale() { return js_scale(); }

void addControl(const ControlRow& row, const FontStyle& font, std::string_view accessibleName,
                std::string_view accessibleDescription)
{
    const ScrollRange& range = windowLayout().scroll;
    js_addControl(index(row.id), int(row.kind), index(row.container), std::string(row.name).c_str(),
                  std::string(row.caption).c_str(), row.left, row.top, row.width, row.height, int(font.family),
                  font.pixelSize(), font.bold, row.background.value, row.visibleAtStart, row.tabIndex,
                  row.tabStop, range.minimum, range.maximum, range.value, std::string(accessibleName).c_str(),
                  std::string(accessibleDescription).c_str());
}
void orderTabs() { js_orderTabs(); }
void focus(ControlId id) { js_focus(index(id)); }
int kindOf(ControlId id) { return js_kindOf(index(id)); }

std::string getText(ControlId id) { return owned(js_getText(index(id))); }
void setText(ControlId id, std::string_view text) { js_setText(index(id), std::string(text).c_str()); }
void check(ControlId id) { js_check(index(id)); }
bool isChecked(ControlId id) { return js_isChecked(index(id)) != 0; }
int scrollValue(ControlId id) { return js_scrollValue(index(id)); }
void show(ControlId id) { js_show(index(id)); }
void move(ControlId id, int left, int top) { js_move(index(id), left, top); }

void shape(int deviceWidth, int deviceHeight, int layoutWidth, int layoutHeight)
{
    js_shape(deviceWidth, deviceHeight, layoutWidth, layoutHeight);
}
void flush(const std::uint32_t* pixels, int width, int height, int left, int top, int changedWidth, int changedHeight)
{
    js_flush(pixels, width, height, left, top, changedWidth, changedHeight);
}
void renderLabel(std::uint32_t* into, int width, int height, std::string_view text, const FontStyle& font, bool centred,
                 Colour background, Colour foreground, double scale)
{
    js_renderLabel(into, width, height, std::string(text).c_str(), int(font.family), font.pixelSize(), font.bold,
                   centred, background.value, foreground.value, scale);
}

std::string decimalSeparator() { return owned(js_decimalSeparator()); }

void ask(std::string_view title, std::string_view prompt)
{
    js_ask(std::string(title).c_str(), std::string(prompt).c_str());
}
int answer() { return js_answer(); }
void waitUntil(double deadline) { js_waitUntil(deadline); }

void handlerDone() { js_handlerDone(); }
void end(std::string_view message) { js_end(std::string(message).c_str()); }
void failure(std::string_view title, std::string_view text, std::string_view endMessage)
{
    js_failure(std::string(title).c_str(), std::string(text).c_str(), std::string(endMessage).c_str());
}

} // namespace tavrolin::web::page
