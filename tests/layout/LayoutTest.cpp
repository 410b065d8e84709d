#include "layout/Layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tavrolin {
namespace {

TEST(Layout, NamesAndTabPositionsAreUnique)
{
    std::set<std::string_view> names;
    std::set<int> tabs;
    for (const ControlRow& c : layout()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (c.tabIndex >= 0) {
            EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.name;
        }
    }
    EXPECT_EQ(names.size(), 37u);
}

TEST(Layout, OptionButtonsLieInsideTheirFrames)
{
    for (const ControlRow& c : layout()) {
        if (c.kind != ControlKind::OptionButton) continue;
        const ControlRow& frame = layoutOf(c.container);
        ASSERT_EQ(frame.kind, ControlKind::Frame) << c.name;
        EXPECT_LE(c.left + c.width, frame.width) << c.name;
        EXPECT_LE(c.top + c.height, frame.height) << c.name;
    }
}

TEST(Layout, FontsAreSizedInPixelsAt96Dpi)
{
    const std::pair<double, int> sizes[] = {{8.25, 11}, {9.75, 13}, {12, 16}, {14.25, 19}, {15.75, 21}, {24, 32}};
    for (auto [points, pixels] : sizes)
        EXPECT_EQ((FontStyle{FontFamily::TimesNewRoman, points, true}).pixelSize(), pixels);
}

TEST(Layout, CaptionsKeepTheirBlanks)
{
    EXPECT_EQ(layoutOf(ControlId::labZdroj).caption, "Zdroj ");
    EXPECT_EQ(layoutOf(ControlId::labRelDelka).caption, "Relativní délka vektoru  světla");
    EXPECT_EQ(layoutOf(ControlId::opCerna).caption, "černa");
    EXPECT_TRUE(windowCaption().starts_with("Tavrolin - "));
}

// The scroll bar's steps, for the Windows program's scroll bar and the
// page's slider alike, stay within its range.
TEST(Layout, ScrollStepsStayWithinTheRange)
{
    const ScrollRange range{1, 30, 1, 2, 5};
    EXPECT_EQ(scrolled(range, 5, ScrollStep::LineOn), 7);
    EXPECT_EQ(scrolled(range, 2, ScrollStep::LineBack), 1);
    EXPECT_EQ(scrolled(range, 10, ScrollStep::PageBack), 5);
    EXPECT_EQ(scrolled(range, 28, ScrollStep::PageOn), 30);
    EXPECT_EQ(scrolled(range, 17, ScrollStep::First), 1);
    EXPECT_EQ(scrolled(range, 17, ScrollStep::Last), 30);
}

} // namespace
} // namespace tavrolin
