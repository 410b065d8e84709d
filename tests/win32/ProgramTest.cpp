#include "surface/win32/Program.h"
#include "surface/win32/Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
        program->toolkit().setWait([](std::chrono::nanoseconds) {});
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
    EXPECT_TRUE(surface.paintedControls().visible(labZdroj));
    EXPECT_EQ(surface.paintedControls().rect(labZdroj).left, 25);
    EXPECT_EQ(surface.paintedControls().rect(labZdroj).top, 61); // 60.5, rounded
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
    program->toolkit().setWait([&](std::chrono::nanoseconds) {
        if (++steps == 10) SendMessageW(program->window(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(program->window()));
    });
    program->post(cmdStart, Event::Click);
    EXPECT_EQ(steps, 301);
    EXPECT_EQ(program->run(), 0);
}

} // namespace
} // namespace tavrolin::win32
