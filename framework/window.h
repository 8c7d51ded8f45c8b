// CWnd: one window handle and the message map that handles its messages.
#pragma once
#include <windows.h>

#include "framework/message_map.h"
#include "framework/string.h"

struct CPoint : POINT {
    CPoint(int px = 0, int py = 0) { x = px; y = py; }
};

struct CRect : RECT {
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CDataExchange;

class CWnd {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // The object attached to a window: its own one, or a wrapper the
    // application keeps until it ends. Null for a null or dead handle.
    static CWnd* FromHandle(HWND window);
    // Only an object attached with Attach, Create or SubclassWindow.
    static CWnd* FromHandlePermanent(HWND window);

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool Attach(HWND window);
    HWND Detach();
    // Routes an existing window's messages (a dialog control, a dialog) through
    // this object's message map.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, CWnd* parent);

    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  int x, int y, int width, int height, HWND parent, HMENU idOrMenu);
    // A child window; with no class name, the framework's default window class.
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id, void* context = nullptr);
    virtual BOOL DestroyWindow();

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) { return ::SetTimer(m_hWnd, id, milliseconds, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    // Moves data between the controls and the members: to the controls when
    // saveAndValidate is false, back (with validation) when true.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* exchange);

    // The window procedure of every window class the framework registers.
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Finds the message's handler in the map chain; false when it has none.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification its parent reflects back to this control.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    // The last step of the window's destruction; the object may delete itself here.
    virtual void PostNcDestroy() {}

    void OnDestroy() { Default(); }


private:
    WNDPROC superProcedure_ = nullptr;  // the procedure of a subclassed window
    MSG currentMessage_ = {};
};

// Registers (once per set of attributes) a window class whose messages reach
// CWnd objects, and returns its name.
CString AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);
