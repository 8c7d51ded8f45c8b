#include "ui.h"

#include "programs.h"

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if ((search->processId == 0 || owner == search->processId) && ::IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

// A message box is a dialog (class #32770) whose text sits in a static
// control; its icon is a static control holding an icon.
bool ReadMessageBox(HWND window, MessageBoxSeen* seen) {
    if (ClassName(window) != "#32770") return false;
    seen->window = window;
    seen->caption = WindowText(window);
    seen->text.clear();
    seen->hasIcon = false;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) != "Static") continue;
        LONG style = ::GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            seen->hasIcon = seen->hasIcon || ::SendMessageA(child, STM_GETICON, 0, 0) != 0;
        } else if (seen->text.empty()) {
            seen->text = WindowText(child);
        }
    }
    return true;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    Search search{processId, {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    char text[4096] = "";
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    MessageBoxSeen seen;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(processId)) {
            if (ReadMessageBox(window, &seen)) return true;
        }
        return false;
    }, timeoutMs);
    return seen;
}

void PressButton(HWND dialog, int buttonId) {
    HWND button = ::GetDlgItem(dialog, buttonId);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(processId)) {
            if (className == nullptr || ClassName(window) == className) {
                found = window;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return found;
}
