#include "support/FakeBackend.h"

#include "layout/Layout.h"

namespace tavrolin::test {

FakeBackend::FakeBackend(std::string separator) : separator_(std::move(separator))
{
    for (const ControlRow& c : layout())
        made[indexOf(c.id)] = c.kind != ControlKind::Label && c.kind != ControlKind::Image;
}

void FakeBackend::choose(ControlId button)
{
    const ControlId frame = layoutOf(button).container;
    for (const ControlRow& c : layout())
        if (c.kind == ControlKind::OptionButton && c.container == frame) checked_[indexOf(c.id)] = false;
    checked_[indexOf(button)] = true;
}

bool FakeBackend::isShown(ControlId id) const { return shown_[indexOf(id)].value_or(layoutOf(id).visibleAtStart); }

void FakeBackend::waitUntil(Time deadline)
{
    deadlines.push_back(deadline);
    if (deadline > clock) clock = deadline;
    if (onWait) onWait();
}

Answer FakeBackend::askYesNo(const Question&)
{
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace tavrolin::test
