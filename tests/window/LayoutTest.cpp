#include "window/Layout.h"

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
    for (auto [points, pixels] : sizes) EXPECT_EQ((FontStyle{FontFamily::TimesNewRoman, points, true}).pixelSize(), pixels);
}

TEST(Layout, CaptionsKeepTheirBlanks)
{
    EXPECT_EQ(layoutOf(ControlId::labZdroj).caption, "Zdroj ");
    EXPECT_EQ(layoutOf(ControlId::labRelDelka).caption, "Relativní délka vektoru  světla");
    EXPECT_EQ(layoutOf(ControlId::opCerna).caption, "černa");
    EXPECT_TRUE(windowCaption().starts_with("Tavrolin - "));
}

} // namespace
} // namespace tavrolin
