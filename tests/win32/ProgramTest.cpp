#include "win32/Program.h"
#include "layout/Layout.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrolin::win32 {
namespace {

using enum ControlId;

// What the last message box said; the timer presses its first button.
std::wstring boxText;

// The message text is the box's static control with the longest text.
BOOL CALLBACK keepLongestStaticText(HWND child, LPARAM)
{
    wchar_t cls[16] = {}, text[256] = {};
    GetClassNameW(child, cls, 16);
    GetWindowTextW(child, text, 256);
    if (_wcsicmp(cls, L"Static") == 0 && wcslen(text) > boxText.size()) boxText = text;
    return TRUE;
}

void CALLBACK answerMessageBox(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = FindWindowW(L"#32770", L"Tavrolin");
    if (!box) return;
    EnumChildWindows(box, keepLongestStaticText, 0);
    KillTimer(nullptr, id);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
}

class Win32Program : public ::testing::Test {
protected:
    Win32Program()
    {
        program = std::make_unique<Program>(GetModuleHandleW(nullptr));
        EXPECT_TRUE(program->created());
        EXPECT_TRUE(program->load());
        program->backend().setWait([](std::chrono::nanoseconds) {});
    }

    ~Win32Program() override
    {
        program.reset();
        // The destroyed window posted its quit message; the next test's
        // message boxes would take it for theirs.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    bool checked(ControlId id)
    {
        return SendMessageW(program->built().controls[indexOf(id)], BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    std::unique_ptr<Program> program;
};

TEST_F(Win32Program, StartUpSelectsOneButtonPerFrameAndCodeSelectionIsExclusive)
{
    auto& tk = program->toolkit();
    EXPECT_EQ(tk.getText(nBarva), "zelená");
    EXPECT_EQ(tk.getText(nStartuje), "Ano");
    EXPECT_TRUE(checked(op1) && checked(opzelená) && checked(op1D) && checked(op0) && checked(opRychlá));
    program->show(SW_SHOWNORMAL);
    // A click on the button: it checks itself and notifies its frame, which
    // passes the notification on to the window.
    SendMessageW(program->built().controls[indexOf(op15)], BM_CLICK, 0, 0);
    EXPECT_TRUE(checked(op15));
    EXPECT_FALSE(checked(op1));
    EXPECT_TRUE(checked(opModra));
    EXPECT_FALSE(checked(opzelená));
    EXPECT_EQ(tk.getText(nBarva), "modrá");
    EXPECT_EQ(tk.getText(nFrekvence), tk.textFromReal(1.5));
    // Selecting a button from code clears the others of its frame.
    tk.selectOption(opCerna);
    EXPECT_TRUE(checked(opCerna));
    EXPECT_FALSE(checked(opModra));
    EXPECT_EQ(tk.getText(nBarva), "černá");
}

TEST_F(Win32Program, AWholeRunEndsWithTheGlassPlateAndTheCaptions)
{
    program->show(SW_SHOWNORMAL);
    program->post(cmdStart, Event::Click);
    EXPECT_EQ(program->toolkit().stepsShown(), 301);
    const GdiSurface& surface = *program->built().surface;
    EXPECT_EQ(surface.pixel(100, 300), RGB(192, 255, 255));
    EXPECT_EQ(surface.pixel(100, 494), RGB(192, 192, 192));
    EXPECT_TRUE(program->toolkit().painted().visible(labZdroj));
    EXPECT_EQ(program->toolkit().painted().rect(labZdroj).left, 25);
    EXPECT_EQ(program->toolkit().painted().rect(labZdroj).top, 61); // 60.5, rounded
}

// A run's drawing keeps its scale to its end, or erasing would miss the
// pixels drawn and leave them: a new one is taken after the run.
TEST_F(Win32Program, AScreenOfAnotherDpiDuringARunIsTakenAfterIt)
{
    BuiltWindow& built = program->built();
    program->show(SW_SHOWNORMAL);
    RECT suggested{10, 10, 1700, 1100};
    std::vector<int> during;
    program->backend().setWait([&](std::chrono::nanoseconds) {
        if (during.empty()) SendMessageW(program->window(), WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));
        during.push_back(built.scale.dpi());
    });
    program->post(cmdStart, Event::Click);
    ASSERT_FALSE(during.empty());
    EXPECT_EQ(std::count(during.begin(), during.end(), 96), std::ptrdiff_t(during.size())) << "rescaled during the run";
    EXPECT_EQ(built.scale.dpi(), 192);
}

// Windows 10 tells a window moved to a screen of another scale; wine never
// does, so the message is sent here as Windows would send it.
TEST_F(Win32Program, MovedToAScreenOfTwiceTheDpiEverythingTakesTheNewScale)
{
    BuiltWindow& built = program->built();
    program->show(SW_SHOWNORMAL);
    ASSERT_EQ(built.scale.dpi(), 96);
    program->toolkit().moveControl(cmdStart, 600.4f, 20);
    RECT suggested{10, 10, 1700, 1100};
    SendMessageW(program->window(), WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));

    // The moved button at twice where it was moved to, twice its size.
    HWND start = built.controls[indexOf(cmdStart)];
    RECT r{};
    GetWindowRect(start, &r);
    MapWindowPoints(HWND_DESKTOP, program->window(), reinterpret_cast<POINT*>(&r), 2);
    const ControlRow& c = layoutOf(cmdStart);
    EXPECT_EQ(r.left, 1200);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 2 * c.width);
    EXPECT_EQ(r.bottom - r.top, 2 * c.height);
    LOGFONTW font{};
    GetObjectW(HFONT(SendMessageW(start, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -2 * c.font.value_or(windowLayout().defaultFont).pixelSize());

    // The start-up caption painted afresh at twice its place and size:
    // black letters in the doubled rectangle's lower half too.
    const GdiSurface& surface = *built.surface;
    const PixelRect label = program->toolkit().painted().rect(labKlepnuti);
    int ink = 0;
    for (int y = 2 * label.top + label.height; y < 2 * (label.top + label.height); ++y)
        for (int x = 2 * label.left; x < 2 * (label.left + label.width); ++x)
            ink += surface.pixel(x, y) == 0;
    EXPECT_GT(ink, 300);
    // The drawing goes on at the new scale: a thin line is two pixels thick.
    program->toolkit().setPenWidth(1);
    program->toolkit().drawLine(100, 400, 300, 400, std::nullopt);
    EXPECT_EQ(surface.pixel(400, 800), RGB(3, 0, 67));
    EXPECT_EQ(surface.pixel(400, 801), RGB(3, 0, 67));
    EXPECT_NE(surface.pixel(400, 802), RGB(3, 0, 67));
}

TEST_F(Win32Program, AFailureShowsItsNumberAndEndsWithStatusOne)
{
    program->show(SW_SHOWNORMAL);
    program->toolkit().setText(nSpomaleni, "pomalu");
    boxText.clear();
    SetTimer(nullptr, 0, 50, answerMessageBox);
    program->post(cmdStart, Event::Click);
    EXPECT_EQ(program->run(), 1);
    EXPECT_EQ(narrow(boxText).rfind("Chyba č. 13", 0), 0u) << narrow(boxText);
    EXPECT_NE(boxText.find(L"pomalu"), std::wstring::npos);
}

TEST_F(Win32Program, ACloseDuringARunWaitsForTheRun)
{
    program->show(SW_SHOWNORMAL);
    int steps = 0;
    program->backend().setWait([&](std::chrono::nanoseconds) {
        if (++steps == 10) SendMessageW(program->window(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(program->window()));
    });
    program->post(cmdStart, Event::Click);
    EXPECT_EQ(steps, 301);
    EXPECT_EQ(program->run(), 0);
}

TEST_F(Win32Program, WhatAMessageThrowsEndsInTheFailureBoxNotInTheSystem)
{
    program->show(SW_SHOWNORMAL);
    program->session().queue().hold([] { throw std::runtime_error("held input broke"); });
    boxText.clear();
    SetTimer(nullptr, 0, 50, answerMessageBox);
    SendMessageW(program->window(), deliverHeldInputMessage, 0, 0);
    EXPECT_EQ(program->run(), 1);
    EXPECT_EQ(narrow(boxText).rfind("Chyba č. 51", 0), 0u) << narrow(boxText);
}

TEST_F(Win32Program, NumbersAreWrittenWithTheUserLocalesSeparator)
{
    const char* lang = std::getenv("TAVROLIN_LANG");
    if (!lang) GTEST_SKIP() << "run by ctest with TAVROLIN_LANG";
    EXPECT_EQ(program->toolkit().textFromReal(0.5), std::string(lang) == "cs_CZ" ? "0,5" : "0.5");
}

} // namespace
} // namespace tavrolin::win32
