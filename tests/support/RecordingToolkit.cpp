#include "RecordingToolkit.h"

#include "surface/Failure.h"
#include "window/Layout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdio>

namespace tavrolin::test {

namespace {

const char* opName(Op op)
{
    static const char* const names[] = {"setPixelUnits", "setPenWidth",  "drawLine",    "drawCircle", "getText",
                                        "setText",       "selectOption", "getScrollValue", "showControl",
                                        "moveControl",   "closeWindow",  "askYesNo",    "pause"};
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

bool RecordingToolkit::visible(ControlId control) const
{
    return shown_[indexOf(control)].value_or(layoutOf(control).visibleAtStart);
}

void RecordingToolkit::record(Call call)
{
    if (failWhen && failWhen(call)) throw Failure(error::toolkit, "recorded toolkit failure: " + describe(call));
    calls.push_back(std::move(call));
}

void RecordingToolkit::setPixelUnits() { record({Op::SetPixelUnits}); }

void RecordingToolkit::setPenWidth(std::int16_t width) { record({.op = Op::SetPenWidth, .number = width}); }

void RecordingToolkit::drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    record({.op = Op::DrawLine, .v = {x1, y1, x2, y2}, .colour = colour});
}

void RecordingToolkit::drawCircle(float x, float y, float radius, std::optional<Colour> colour)
{
    record({.op = Op::DrawCircle, .v = {x, y, radius, 0}, .colour = colour});
}

std::string RecordingToolkit::getText(ControlId field)
{
    record({.op = Op::GetText, .control = field, .text = texts_[indexOf(field)]});
    return texts_[indexOf(field)];
}

void RecordingToolkit::setText(ControlId field, std::string_view text)
{
    record({.op = Op::SetText, .control = field, .text = std::string(text)});
    texts_[indexOf(field)] = text;
}

void RecordingToolkit::choose(ControlId button)
{
    const ControlId frame = layoutOf(button).container;
    for (const ControlRow& c : layout())
        if (c.kind == ControlKind::OptionButton && c.container == frame) selected_[indexOf(c.id)] = false;
    selected_[indexOf(button)] = true;
}

void RecordingToolkit::selectOption(ControlId button)
{
    record({.op = Op::SelectOption, .control = button});
    if (selected_[indexOf(button)]) return;
    choose(button);
    if (window_) window_->runHandler(button, Event::Click);
}

std::int16_t RecordingToolkit::getScrollValue(ControlId scrollBar)
{
    record({.op = Op::GetScrollValue, .control = scrollBar, .number = scroll_});
    return scroll_;
}

void RecordingToolkit::showControl(ControlId control)
{
    record({.op = Op::ShowControl, .control = control});
    shown_[indexOf(control)] = true;
}

void RecordingToolkit::moveControl(ControlId control, float left, float top)
{
    record({.op = Op::MoveControl, .v = {left, top, 0, 0}, .control = control});
}

void RecordingToolkit::closeWindow()
{
    record({Op::CloseWindow});
    closed = true;
}

Answer RecordingToolkit::askYesNo(std::string_view prompt)
{
    record({.op = Op::AskYesNo, .text = std::string(prompt)});
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::string RecordingToolkit::textFromInteger(std::int16_t value) { return std::to_string(value); }

std::string RecordingToolkit::textFromReal(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', separator_);
    return text;
}

double RecordingToolkit::numberFromText(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string body = first == std::string_view::npos ? std::string() : std::string(text.substr(first, last - first + 1));
    bool negative = false;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.erase(0, 1);
    }
    if (body.find('.') != std::string::npos && separator_ != '.') body.clear();
    std::replace(body.begin(), body.end(), separator_, '.');
    // strtod in the C locale, which the tests never change; it would skip
    // leading blanks, which are not allowed here.
    char* end = nullptr;
    const double value = body.empty() || std::isspace(static_cast<unsigned char>(body[0])) ? 0 : std::strtod(body.c_str(), &end);
    if (body.empty() || end != body.c_str() + body.size())
        throw Failure(error::typeMismatch, "not a number: '" + std::string(text) + "'");
    return negative ? -value : value;
}

void RecordingToolkit::pause(std::chrono::nanoseconds duration)
{
    record({.op = Op::Pause, .number = duration.count()});
    if (onPause) onPause();
}

} // namespace tavrolin::test
