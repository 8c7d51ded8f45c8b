// Finding, reading and closing the windows a program under test shows.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The visible top-level windows of a process (all processes for 0).
std::vector<HWND> TopLevelWindows(DWORD processId);
std::string WindowText(HWND window);
std::string ClassName(HWND window);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    bool hasIcon = false;  // an icon beside the text (error, warning, ...)
};

// Waits up to `timeoutMs` for a message box of the process; window is null
// when none came.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
// Presses a button of a message box or dialog (IDOK, IDCANCEL, IDYES, ...).
void PressButton(HWND dialog, int buttonId = IDOK);

// Waits for a visible top-level window of the process with this class (any
// class for null); null after `timeoutMs`.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs = 10000);
