#include "QuestionBox.h"

#include "Text.h"

namespace tavrolin::win32 {

namespace {

thread_local HHOOK hook = nullptr;
thread_local WNDPROC boxProc = nullptr;
// The captions, while the box asks.
thread_local const wchar_t* yesCaption = nullptr;
thread_local const wchar_t* noCaption = nullptr;
thread_local bool dismissible = false;

// Windows' own Yes/No box ignores Escape and the title bar's close; wine's
// takes them as Cancel. So the box is told what to do with them: end
// without an answer where the question allows, or nothing.
LRESULT CALLBACK onlyYesOrNo(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ||
        (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) || message == WM_CLOSE) {
        if (dismissible) EndDialog(box, IDCANCEL);
        return 0;
    }
    return CallWindowProcW(boxProc, box, message, wParam, lParam);
}

// The message box is a system dialog; its button captions follow the
// language of Windows. A CBT hook renames them as the box opens.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = HWND(wParam);
        SetDlgItemTextW(box, IDYES, yesCaption);
        SetDlgItemTextW(box, IDNO, noCaption);
        boxProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(box, GWLP_WNDPROC, LONG_PTR(&onlyYesOrNo)));
        UnhookWindowsHookEx(hook);
        hook = nullptr;
        return 0;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

int askQuestion(HWND owner, const Question& question)
{
    const std::wstring yes = widen(question.yes), no = widen(question.no);
    yesCaption = yes.c_str();
    noCaption = no.c_str();
    dismissible = question.dismissible;
    hook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    const UINT byDefault = question.byDefault == Answer::No ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    const int answer =
        MessageBoxW(owner, widen(question.prompt).c_str(), widen(question.title).c_str(), MB_YESNO | byDefault);
    if (hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    return answer;
}

} // namespace tavrolin::win32
