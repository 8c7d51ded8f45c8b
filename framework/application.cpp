#include "framework/application.h"

namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { theApp = this; }

CWinApp::~CWinApp() {
    if (theApp == this) theApp = nullptr;
}

CWinApp* AfxGetApp() { return theApp; }

HINSTANCE AfxGetInstanceHandle() { return theApp->m_hInstance; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ExitInstance();
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

CWnd* CWinApp::TemporaryWindow(HWND window) {
    for (const auto& wrapper : temporaryWindows_) {
        if (wrapper->m_hWnd == window) return wrapper.get();
    }
    temporaryWindows_.push_back(std::make_unique<CWnd>());
    temporaryWindows_.back()->m_hWnd = window;
    return temporaryWindows_.back().get();
}

int AfxMessageBox(const char* text, UINT type) {
    HWND owner = theApp->m_pMainWnd ? theApp->m_pMainWnd->m_hWnd : nullptr;
    return ::MessageBoxA(owner, text, theApp->m_pszAppName, type);
}

// The program's entry point: the application object, built before it runs,
// does the rest.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    app->m_hInstance = instance;
    if (app->m_pszAppName.IsEmpty()) {
        char path[MAX_PATH];
        DWORD length = ::GetModuleFileNameA(instance, path, sizeof path);
        CString name(path, static_cast<int>(length));
        name = name.Mid(name.ReverseFind('\\') + 1);
        int dot = name.ReverseFind('.');
        app->m_pszAppName = dot > 0 ? name.Left(dot) : name;
    }
    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
