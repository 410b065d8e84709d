#include "layout/Layout.h"
#include "support/RecordingToolkit.h"
#include "window/MainWindow.h"

#include <gtest/gtest.h>

namespace tavrolin::test {
namespace {

using enum ControlId;

class Settings : public ::testing::Test {
protected:
    explicit Settings(char separator = ',') : tk(separator) { tk.attach(window); }

    void load() { ASSERT_FALSE(window.dispatch(Tavrolin, Event::Load)); }
    void click(ControlId id)
    {
        if (layoutOf(id).kind == ControlKind::OptionButton) tk.choose(id);
        ASSERT_FALSE(window.dispatch(id, Event::Click));
    }

    std::vector<ControlId> selectedButtons() const
    {
        std::vector<ControlId> out;
        for (const ControlRow& c : layout())
            if (c.kind == ControlKind::OptionButton && tk.selected(c.id)) out.push_back(c.id);
        return out;
    }

    RecordingToolkit tk;
    MainWindow window{tk};
};

class SettingsWithDecimalPoint : public Settings {
protected:
    SettingsWithDecimalPoint() : Settings('.') {}
};

TEST_F(Settings, StartUpLeavesTheSixFieldsAndOneButtonPerFrame)
{
    load();
    EXPECT_EQ(tk.text(nFrekvence), "1");
    EXPECT_EQ(tk.text(nNasob), "1");
    EXPECT_EQ(tk.text(nPosunZdroje), "0");
    EXPECT_EQ(tk.text(nBarva), "zelená");
    EXPECT_EQ(tk.text(nSpomaleni), "1");
    EXPECT_EQ(tk.text(nStartuje), "Ano");
    EXPECT_EQ(selectedButtons(), (std::vector<ControlId>{op1, opzelená, op1D, op0, opRychlá}));
    // The scroll bar keeps its layout value; its handler does not run.
    EXPECT_EQ(tk.count(test::Op::GetScrollValue), 0u);
    EXPECT_EQ(tk.count(test::Op::DrawLine), 0u);
}

TEST_F(SettingsWithDecimalPoint, StartUpTextsDoNotDependOnTheLocale)
{
    load();
    EXPECT_EQ(tk.text(nFrekvence), "1");
    EXPECT_EQ(tk.text(nNasob), "1");
    EXPECT_EQ(tk.text(nSpomaleni), "1");
}

TEST_F(Settings, FrequencyButtonsSelectTheColourOfTheirLight)
{
    load();
    struct Case {
        ControlId button;
        const char* frequency;
        const char* colourWord;
        ControlId colourButton;
    };
    for (const Case& c : {Case{op05, "0,5", "červená", opCervena}, Case{op15, "1,5", "modrá", opModra},
                          Case{op1, "1", "zelená", opzelená}}) {
        tk.forget();
        click(c.button);
        EXPECT_EQ(tk.text(nFrekvence), c.frequency);
        EXPECT_EQ(tk.text(nBarva), c.colourWord);
        EXPECT_TRUE(tk.selected(c.colourButton));
        // The chained colour handler writes the same word a second time.
        std::size_t colourWrites = 0;
        for (const Call& call : tk.only(test::Op::SetText))
            if (call.control == nBarva) {
                EXPECT_EQ(call.text, c.colourWord);
                ++colourWrites;
            }
        EXPECT_EQ(colourWrites, 2u) << c.colourWord;
    }
    EXPECT_FALSE(tk.selected(opCervena));
}

TEST_F(SettingsWithDecimalPoint, FrequencyAndLengthRealsUseTheLocaleSeparator)
{
    load();
    click(op05);
    EXPECT_EQ(tk.text(nFrekvence), "0.5");
    click(op15D);
    EXPECT_EQ(tk.text(nNasob), "1.5");
    click(op1);
    EXPECT_EQ(tk.text(nFrekvence), "1");
}

TEST_F(Settings, BlackIsStoredAsTheColourWordNotTheCaption)
{
    load();
    click(op15);
    click(opCerna);
    EXPECT_EQ(tk.text(nBarva), "černá");
    EXPECT_EQ(tk.text(nFrekvence), "1,5");
    EXPECT_TRUE(tk.selected(opCerna));
    EXPECT_FALSE(tk.selected(opModra));

    click(op1);
    EXPECT_EQ(tk.text(nBarva), "zelená");
    EXPECT_TRUE(tk.selected(opzelená));
    EXPECT_FALSE(tk.selected(opCerna));
}

TEST_F(Settings, ColourLengthAndScrollNeverTouchTheFrequency)
{
    load();
    click(op05);
    for (ControlId id : {opCerna, opCervena, opzelená, opModra, op05D, op1D, op15D})
        click(id);
    tk.setScrollValue(7);
    ASSERT_FALSE(window.dispatch(HScroll1, Event::Change));
    EXPECT_EQ(tk.text(nFrekvence), "0,5");
    EXPECT_EQ(tk.text(nNasob), "1,5");
    EXPECT_EQ(tk.text(nBarva), "modrá");
}

TEST_F(Settings, ScrollBarWritesEveryValueAsAWholeNumber)
{
    load();
    for (std::int16_t v = 1; v <= 30; ++v) {
        tk.setScrollValue(v);
        ASSERT_FALSE(window.dispatch(HScroll1, Event::Change));
        EXPECT_EQ(tk.text(nSpomaleni), std::to_string(v));
    }
}

TEST_F(Settings, HiddenSpeedAndShiftButtonsWriteTheirValues)
{
    load();
    click(opPomalší);
    EXPECT_EQ(tk.text(nSpomaleni), "15");
    click(nPomalá);
    EXPECT_EQ(tk.text(nSpomaleni), "30");
    click(op50);
    EXPECT_EQ(tk.text(nPosunZdroje), "50");
}

TEST_F(Settings, KonecClosesAtOnceWithoutAQuestion)
{
    load();
    click(cmdKonec);
    EXPECT_TRUE(tk.closed);
    EXPECT_EQ(tk.count(test::Op::AskYesNo), 0u);
}

TEST_F(Settings, AFailingOperationIsReturnedFromTheDispatchNotThrown)
{
    load();
    tk.failOn(test::Op::SetText);
    const auto failure = window.dispatch(op15, Event::Click);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), error::toolkit);
}

TEST_F(Settings, AFailureInAHandlerRunByCodeEndsTheOuterHandlerToo)
{
    // The load handler's first step selects op1D, whose handler writes
    // nNasob; when that write fails, the load handler must not go on.
    tk.failWhen = [](const Call& c) { return c.op == test::Op::SetText && c.control == nNasob; };
    const auto failure = window.dispatch(Tavrolin, Event::Load);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), error::toolkit);
    EXPECT_EQ(tk.calls.size(), 1u) << describe(tk.calls.back());
}

} // namespace
} // namespace tavrolin::test
