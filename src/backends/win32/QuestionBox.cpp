#include "QuestionBox.h"

namespace tavrolin::win32 {

namespace {

thread_local HHOOK hook = nullptr;
thread_local WNDPROC boxProc = nullptr;
// The captions, while the box asks.
thread_local const wchar_t* yesCaption = nullptr;
thread_local const wchar_t* noCaption = nullptr;

// The question has only Yes and No: it stays until one is chosen. Windows'
// own Yes/No box ignores Escape and the title bar's close; wine's takes them
// as Cancel, so the box is told to ignore them everywhere.
LRESULT CALLBACK onlyYesOrNo(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ||
        (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) || message == WM_CLOSE)
        return 0;
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

int askQuestion(HWND owner, const std::wstring& prompt, const std::wstring& title, const std::wstring& yes,
                const std::wstring& no)
{
    yesCaption = yes.c_str();
    noCaption = no.c_str();
    hook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, prompt.c_str(), title.c_str(), MB_YESNO | MB_DEFBUTTON1);
    if (hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    return answer;
}

} // namespace tavrolin::win32
