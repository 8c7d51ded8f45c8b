// CWinApp: the one application object, its start-up and its message loop.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/string.h"
#include "framework/window.h"

class CWinApp {
public:
    // The program's single application object registers itself on construction.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();

    // TRUE runs the message loop until the main window is gone; FALSE ends the
    // program at once (the main window, if any, is destroyed first).
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    // Controls are drawn three-dimensional by every system we run on.
    BOOL Enable3dControls() { return TRUE; }

    // A wrapper for a window of another module or process, kept until exit.
    CWnd* TemporaryWindow(HWND window);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_pszAppName;

private:
    std::vector<std::unique_ptr<CWnd>> temporaryWindows_;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// A message box owned by the main window, captioned with the application's name.
int AfxMessageBox(const char* text, UINT type = MB_OK);
