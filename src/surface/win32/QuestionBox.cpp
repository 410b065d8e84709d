#include "QuestionBox.h"

namespace tavrolin::win32 {

namespace {

thread_local HHOOK hook = nullptr;

// The message box is a system dialog; its button captions follow the
// language of Windows. A CBT hook renames them as the box opens.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = HWND(wParam);
        SetDlgItemTextW(box, IDYES, L"Ano");
        SetDlgItemTextW(box, IDNO, L"Ne");
        UnhookWindowsHookEx(hook);
        hook = nullptr;
        return 0;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

int askCzechYesNo(HWND owner, const std::wstring& prompt, const std::wstring& title)
{
    hook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, prompt.c_str(), title.c_str(), MB_YESNO | MB_DEFBUTTON1);
    if (hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    return answer;
}

void showFailureBox(HWND owner, int number, const std::wstring& description, const std::wstring& title)
{
    const std::wstring text = L"Chyba č. " + std::to_wstring(number) + L"\n\n" + description;
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace tavrolin::win32
