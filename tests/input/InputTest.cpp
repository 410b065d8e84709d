#include "input/Input.h"

#include <gtest/gtest.h>

#include <set>

namespace tavrolin {
namespace {

using enum ControlId;

// The window as it opens: the settings fields hidden, one button of each
// group chosen.
bool shownAtStart(ControlId id)
{
    const ControlId frame = layoutOf(id).container;
    return layoutOf(id).visibleAtStart && (frame == Tavrolin || layoutOf(frame).visibleAtStart);
}
const std::set<ControlId> chosenAtStart{opzelená, op1, op1D};
bool chosen(ControlId id) { return chosenAtStart.contains(id); }

TEST(Input, TabWalksTheStopsWithEachOptionGroupOnceAtItsChoice)
{
    const std::vector<ControlId> round{cmdStart, opzelená, op1, cmdKonec, op1D, HScroll1, cmdStart};
    for (std::size_t i = 0; i + 1 < round.size(); ++i) {
        EXPECT_EQ(nextTabStop(round[i], false, shownAtStart, chosen), round[i + 1]) << i;
        EXPECT_EQ(nextTabStop(round[i + 1], true, shownAtStart, chosen), round[i]) << i;
    }
    // From a button of a group that is not its choice, Tab leaves the group.
    EXPECT_EQ(nextTabStop(op05, false, shownAtStart, chosen), cmdKonec);
    EXPECT_EQ(nextTabStop(op05, true, shownAtStart, chosen), opzelená);
    // From outside the order (the title, nothing) forward is the first stop,
    // back the last.
    EXPECT_EQ(nextTabStop(nZrcadleniDvouRozhrani, false, shownAtStart, chosen), cmdStart);
    EXPECT_EQ(nextTabStop(std::nullopt, true, shownAtStart, chosen), HScroll1);
    // A field the program has shown is a stop of its own.
    const auto withSpeed = [](ControlId id) { return id == nSpomaleni || shownAtStart(id); };
    EXPECT_EQ(nextTabStop(op1D, false, withSpeed, chosen), nSpomaleni);
}

TEST(Input, ArrowsGoRoundTheGroupInTheLayoutsOrder)
{
    EXPECT_EQ(nextOption(op1, false, shownAtStart), op15);
    EXPECT_EQ(nextOption(op15, false, shownAtStart), op05);
    EXPECT_EQ(nextOption(op05, true, shownAtStart), op15);
    EXPECT_EQ(nextOption(op15D, false, shownAtStart), op05D);
    const auto noOp15 = [](ControlId id) { return id != op15 && shownAtStart(id); };
    EXPECT_EQ(nextOption(op1, false, noOp15), op05);
}

TEST(Input, KeysOnTheControlsAsEachPlatformTakesThem)
{
    struct Case {
        Key key;
        ControlId on;
        Does windows, elsewhere;
        ScrollStep windowsStep = ScrollStep::LineOn, elsewhereStep = ScrollStep::LineOn;
    };
    const Case cases[] = {
        {Key::Enter, cmdStart, Does::Press, Does::Press},
        {Key::Space, cmdKonec, Does::Press, Does::Press},
        {Key::Enter, op1, Does::Toolkit, Does::Toolkit},
        {Key::Space, op1, Does::Press, Does::Press},
        {Key::Down, op1, Does::NextOption, Does::NextOption},
        {Key::Left, op1, Does::PreviousOption, Does::PreviousOption},
        {Key::Tab, nSpomaleni, Does::NextStop, Does::NextStop},
        {Key::Z, nSpomaleni, Does::Type, Does::Type},
        {Key::F11, HScroll1, Does::Presentation, Does::Presentation},
        {Key::Escape, cmdStart, Does::Presentation, Does::Presentation},
        // Where the conventions differ, and where they agree.
        {Key::Down, HScroll1, Does::Scroll, Does::Scroll, ScrollStep::LineOn, ScrollStep::LineBack},
        {Key::Up, HScroll1, Does::Scroll, Does::Scroll, ScrollStep::LineBack, ScrollStep::LineOn},
        {Key::PageDown, HScroll1, Does::Scroll, Does::Scroll, ScrollStep::PageOn, ScrollStep::PageBack},
        {Key::PageUp, HScroll1, Does::Scroll, Does::Scroll, ScrollStep::PageBack, ScrollStep::PageOn},
        {Key::Right, HScroll1, Does::Scroll, Does::Scroll, ScrollStep::LineOn, ScrollStep::LineOn},
        {Key::Home, HScroll1, Does::Scroll, Does::Scroll, ScrollStep::First, ScrollStep::First},
        {Key::Enter, HScroll1, Does::Toolkit, Does::Toolkit},
    };
    for (const Case& c : cases) {
        Input input{c.key, targetOf(c.on), c.on};
        const Action windows = actionFor(input, Platform::Windows), elsewhere = actionFor(input, Platform::Elsewhere);
        EXPECT_EQ(windows.does, c.windows) << controlName(c.on) << " " << int(c.key);
        EXPECT_EQ(elsewhere.does, c.elsewhere) << controlName(c.on) << " " << int(c.key);
        if (c.windows == Does::Scroll) {
            EXPECT_EQ(windows.step, c.windowsStep) << int(c.key);
            EXPECT_EQ(elsewhere.step, c.elsewhereStep) << int(c.key);
        }
        // With Ctrl, Alt or the system key, and on release, the desktop's.
        input.shortcut = true;
        EXPECT_EQ(actionFor(input, Platform::Windows).does, Does::Toolkit);
        input.shortcut = false;
        input.press = false;
        EXPECT_EQ(actionFor(input, Platform::Elsewhere).does, Does::Toolkit);
    }
    EXPECT_EQ(actionFor({Key::Tab, Target::Other, Tavrolin, true, false, true}, Platform::Windows).does,
              Does::PreviousStop);
}

TEST(Input, LessonInputIsTheLessonsKeysTheDrawingAndTheSoundButton)
{
    const auto drawing = lessonInputOf({Key::Pointer, Target::Drawing, Tavrolin, false});
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->key, LessonKey::Drawing);
    EXPECT_FALSE(drawing->press);
    EXPECT_FALSE(lessonInputOf({Key::Pointer, Target::CommandButton, cmdStart}));
    EXPECT_EQ(lessonInputOf({Key::Pointer, Target::SoundButton})->key, LessonKey::Z);
    EXPECT_FALSE(lessonInputOf({Key::Pointer, Target::SoundButton, Tavrolin, false}));
    const auto typed = lessonInputOf({Key::Z, Target::TextField, nSpomaleni, true, true, false, true});
    ASSERT_TRUE(typed);
    EXPECT_TRUE(typed->intoText && typed->repeat && typed->modified);
    EXPECT_FALSE(lessonInputOf({Key::Enter, Target::CommandButton, cmdStart}));
}

} // namespace
} // namespace tavrolin
