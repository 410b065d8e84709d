#include "RecordingToolkit.h"

#include "basics/Failure.h"
#include "layout/Layout.h"

#include <algorithm>
#include <cstdio>

namespace tavrolin::test {

namespace {

const char* opName(Op op)
{
    static const char* const names[] = {"setPixelUnits", "setPenWidth",  "drawLine",       "drawCircle",  "getText",
                                        "setText",       "selectOption", "getScrollValue", "showControl", "moveControl",
                                        "closeWindow",   "askYesNo",     "pause"};
    return names[static_cast<int>(op)];
}

} // namespace

std::string describe(const Call& c)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%s(%g, %g, %g, %g) colour=%s control=%d text='%s' n=%lld", opName(c.op),
                  double(c.v[0]), double(c.v[1]), double(c.v[2]), double(c.v[3]),
                  c.colour ? std::to_string(c.colour->value).c_str() : "none", int(c.control), c.text.c_str(),
                  c.number);
    return buffer;
}

std::vector<Call> RecordingToolkit::only(Op op) const
{
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [op](const Call& c) { return c.op == op; });
    return out;
}

std::size_t RecordingToolkit::count(Op op) const
{
    return std::size_t(std::count_if(calls.begin(), calls.end(), [op](const Call& c) { return c.op == op; }));
}

RecordingToolkit::RecordingToolkit(char decimalSeparator) : backend(std::string(1, decimalSeparator)) {}

void RecordingToolkit::attach(MainWindow& window)
{
    core.setClickHandlerRunner([&window](ControlId id) { window.runHandler(id, Event::Click); });
}

bool RecordingToolkit::visible(ControlId control) const
{
    return core.painted().holds(control) ? core.painted().visible(control) : backend.isShown(control);
}

void RecordingToolkit::record(Call call)
{
    if (failWhen && failWhen(call)) throw Failure(error::toolkit, "recorded toolkit failure: " + describe(call));
    calls.push_back(std::move(call));
}

void RecordingToolkit::setPixelUnits()
{
    record({Op::SetPixelUnits});
    core.setPixelUnits();
}

void RecordingToolkit::setPenWidth(std::int16_t width)
{
    record({.op = Op::SetPenWidth, .number = width});
    core.setPenWidth(width);
}

void RecordingToolkit::drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    record({.op = Op::DrawLine, .v = {x1, y1, x2, y2}, .colour = colour});
    core.drawLine(x1, y1, x2, y2, colour);
}

void RecordingToolkit::drawCircle(float x, float y, float radius, std::optional<Colour> colour)
{
    record({.op = Op::DrawCircle, .v = {x, y, radius, 0}, .colour = colour});
    core.drawCircle(x, y, radius, colour);
}

std::string RecordingToolkit::getText(ControlId field)
{
    record({.op = Op::GetText, .control = field, .text = backend.textOf(field)});
    return core.getText(field);
}

void RecordingToolkit::setText(ControlId field, std::string_view text)
{
    record({.op = Op::SetText, .control = field, .text = std::string(text)});
    core.setText(field, text);
}

void RecordingToolkit::selectOption(ControlId button)
{
    record({.op = Op::SelectOption, .control = button});
    core.selectOption(button);
}

std::int16_t RecordingToolkit::getScrollValue(ControlId scrollBar)
{
    const std::int16_t value = core.getScrollValue(scrollBar);
    record({.op = Op::GetScrollValue, .control = scrollBar, .number = value});
    return value;
}

void RecordingToolkit::showControl(ControlId control)
{
    record({.op = Op::ShowControl, .control = control});
    core.showControl(control);
}

void RecordingToolkit::moveControl(ControlId control, float left, float top)
{
    record({.op = Op::MoveControl, .v = {left, top, 0, 0}, .control = control});
    core.moveControl(control, left, top);
}

void RecordingToolkit::closeWindow()
{
    record({Op::CloseWindow});
    closed = true;
    core.closeWindow();
}

Answer RecordingToolkit::askYesNo(std::string_view prompt)
{
    record({.op = Op::AskYesNo, .text = std::string(prompt)});
    return core.askYesNo(prompt);
}

void RecordingToolkit::pause(std::chrono::nanoseconds duration)
{
    record({.op = Op::Pause, .number = duration.count()});
    core.pause(duration);
}

} // namespace tavrolin::test
