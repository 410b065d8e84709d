#include "input/Input.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tavrolin {

namespace {

// A scroll bar's keys. A horizontal Windows scroll bar takes Up and PgUp
// back and Down and PgDn on; a slider elsewhere the other way round.
struct ScrollKey {
    Key key;
    ScrollStep windows, elsewhere;
};
constexpr std::array<ScrollKey, 8> scrollKeys{{
    {Key::Left, ScrollStep::LineBack, ScrollStep::LineBack},
    {Key::Right, ScrollStep::LineOn, ScrollStep::LineOn},
    {Key::Up, ScrollStep::LineBack, ScrollStep::LineOn},
    {Key::Down, ScrollStep::LineOn, ScrollStep::LineBack},
    {Key::PageUp, ScrollStep::PageBack, ScrollStep::PageOn},
    {Key::PageDown, ScrollStep::PageOn, ScrollStep::PageBack},
    {Key::Home, ScrollStep::First, ScrollStep::First},
    {Key::End, ScrollStep::Last, ScrollStep::Last},
}};

bool isOption(ControlId id) { return id != ControlId::Tavrolin && layoutOf(id).kind == ControlKind::OptionButton; }

} // namespace

Target targetOf(ControlId control)
{
    if (control == ControlId::Tavrolin) return Target::Other;
    switch (layoutOf(control).kind) {
    case ControlKind::TextField:
        return Target::TextField;
    case ControlKind::OptionButton:
        return Target::OptionButton;
    case ControlKind::ScrollBar:
        return Target::ScrollBar;
    case ControlKind::CommandButton:
        return Target::CommandButton;
    default:
        return Target::Other;
    }
}

std::optional<LessonInput> lessonInputOf(const Input& input)
{
    LessonInput lesson{LessonKey::Space, input.press, input.repeat, input.target == Target::TextField, input.shortcut};
    switch (input.key) {
    case Key::Space:
        return lesson;
    case Key::Right:
        lesson.key = LessonKey::Right;
        return lesson;
    case Key::Z:
        lesson.key = LessonKey::Z;
        return lesson;
    case Key::Pointer:
        // The sound button is the Z key's, for a touch screen; it acts on
        // its click, which has no release.
        if (input.target == Target::SoundButton) {
            if (!input.press) return std::nullopt;
            return LessonInput{LessonKey::Z};
        }
        if (input.target != Target::Drawing) return std::nullopt;
        return LessonInput{LessonKey::Drawing, input.press};
    default:
        return std::nullopt;
    }
}

Action actionFor(const Input& input, Platform platform)
{
    if (!input.press || input.key == Key::Pointer || input.shortcut) return {};
    switch (input.key) {
    case Key::F11:
    case Key::Escape:
        return {Does::Presentation};
    case Key::Tab:
        return {input.shift ? Does::PreviousStop : Does::NextStop};
    default:
        break;
    }
    switch (input.target) {
    case Target::CommandButton:
        if (input.key == Key::Enter || input.key == Key::Space) return {Does::Press};
        break;
    case Target::OptionButton:
        if (input.key == Key::Space) return {Does::Press};
        if (input.key == Key::Up || input.key == Key::Left) return {Does::PreviousOption};
        if (input.key == Key::Down || input.key == Key::Right) return {Does::NextOption};
        break;
    case Target::ScrollBar:
        for (const ScrollKey& k : scrollKeys)
            if (k.key == input.key) return {Does::Scroll, platform == Platform::Windows ? k.windows : k.elsewhere};
        break;
    case Target::TextField:
        return {Does::Type};
    default:
        break;
    }
    return {};
}

ControlId nextTabStop(std::optional<ControlId> from, bool back, const std::function<bool(ControlId)>& reachable,
                      const std::function<bool(ControlId)>& chosen)
{
    std::vector<const ControlRow*> rows;
    for (const ControlRow& c : layout())
        if (c.tabStop && c.tabIndex >= 0 && reachable(c.id)) rows.push_back(&c);
    std::sort(rows.begin(), rows.end(),
              [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    // One stop per group of option buttons: its chosen one, else its first.
    std::vector<ControlId> stops;
    std::vector<ControlId> groups; // the frame of each stop, or the window
    for (const ControlRow* c : rows) {
        const bool option = c->kind == ControlKind::OptionButton;
        const auto same = std::find(groups.begin(), groups.end(), c->container);
        if (option && same != groups.end() && isOption(stops[std::size_t(same - groups.begin())])) {
            if (chosen(c->id)) stops[std::size_t(same - groups.begin())] = c->id;
            continue;
        }
        stops.push_back(c->id);
        groups.push_back(option ? c->container : ControlId::Tavrolin);
    }
    if (stops.empty()) return from.value_or(ControlId::Tavrolin);
    std::optional<std::size_t> at;
    if (from) {
        for (std::size_t i = 0; i < stops.size(); ++i)
            if (stops[i] == *from || (isOption(*from) && isOption(stops[i]) && groups[i] == layoutOf(*from).container))
                at = i;
    }
    const std::size_t n = stops.size();
    if (!at) return back ? stops.back() : stops.front();
    return stops[(*at + (back ? n - 1 : 1)) % n];
}

ControlId nextOption(ControlId from, bool back, const std::function<bool(ControlId)>& reachable)
{
    if (!isOption(from)) return from;
    std::vector<ControlId> group;
    for (const ControlRow& c : layout())
        if (c.kind == ControlKind::OptionButton && c.container == layoutOf(from).container &&
            (c.id == from || reachable(c.id)))
            group.push_back(c.id);
    const auto at = std::size_t(std::find(group.begin(), group.end(), from) - group.begin());
    return group[(at + (back ? group.size() - 1 : 1)) % group.size()];
}

} // namespace tavrolin
