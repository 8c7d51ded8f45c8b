#include "framework/window.h"

#include <cstdio>

#include "framework/application.h"
#include "framework/data_exchange.h"

namespace {

// The window property that holds the CWnd a window is attached to.
const char kObjectProperty[] = "Velumbra.CWnd";

const MessageMapEntry* FindEntry(const MessageMap* map, UINT message, UINT code, UINT id) {
    for (; map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->handle != nullptr; ++entry) {
            if (entry->message == message && entry->code == code && entry->id == id) return entry;
        }
    }
    return nullptr;
}

// The (code, id) key under which a message is mapped.
void MapKey(UINT message, WPARAM wParam, LPARAM lParam, UINT* code, UINT* id) {
    *code = 0;
    *id = 0;
    if (message == WM_COMMAND || message == WM_REFLECT_BASE + WM_COMMAND) {
        *code = HIWORD(wParam);
        *id = message == WM_COMMAND ? LOWORD(wParam) : 0;
    } else if (message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        *code = header->code;
        *id = message == WM_NOTIFY ? static_cast<UINT>(header->idFrom) : 0;
    }
}

// The control that sent a notification to its parent, if it is one of ours.
HWND NotifyingControl(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_CTLCOLORSTATIC: return reinterpret_cast<HWND>(lParam);
    default: (void)wParam; return nullptr;
    }
}

}  // namespace

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::~CWnd() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    if (window == nullptr) return nullptr;
    return static_cast<CWnd*>(::GetPropA(window, kObjectProperty));
}

CWnd* CWnd::FromHandle(HWND window) {
    if (window == nullptr || !::IsWindow(window)) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(window)) return permanent;
    return AfxGetApp()->TemporaryWindow(window);
}

bool CWnd::Attach(HWND window) {
    if (window == nullptr || m_hWnd != nullptr) return false;
    m_hWnd = window;
    return ::SetPropA(window, kObjectProperty, this) != FALSE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (window != nullptr) {
        ::RemovePropA(window, kObjectProperty);
        if (superProcedure_ != nullptr) {
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProcedure_));
            superProcedure_ = nullptr;
        }
    }
    m_hWnd = nullptr;
    return window;
}

bool CWnd::SubclassWindow(HWND window) {
    if (!Attach(window)) return false;
    superProcedure_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure)));
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

CString AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    CString name;
    name.Format("Velumbra:%x:%x:%x:%x", classStyle, static_cast<unsigned>(reinterpret_cast<UINT_PTR>(cursor)),
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(background)),
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(icon)));
    WNDCLASSA existing;
    if (!::GetClassInfoA(AfxGetInstanceHandle(), name, &existing)) {
        WNDCLASSA windowClass = {};
        windowClass.style = classStyle;
        windowClass.lpfnWndProc = &CWnd::WindowProcedure;
        windowClass.hInstance = AfxGetInstanceHandle();
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.hIcon = icon;
        windowClass.lpszClassName = name;
        if (!::RegisterClassA(&windowClass)) return CString();
    }
    return name;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU idOrMenu) {
    HWND window = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                    parent, idOrMenu, AfxGetInstanceHandle(), this);
    if (window == nullptr) return FALSE;
    // A class that is not ours (a system control) is subclassed after the fact.
    if (m_hWnd == nullptr) SubclassWindow(window);
    return TRUE;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, void* /*context*/) {
    // Without a class name: the framework's default child window class.
    CString defaultClass;
    if (className == nullptr) {
        defaultClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        className = defaultClass;
    }
    return CreateEx(0, className, windowName, style | WS_CHILD,
                    rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

void CWnd::GetWindowText(CString& text) const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text, caption ? caption : static_cast<const char*>(AfxGetApp()->m_pszAppName), type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Notifications go first to the control that sent them.
    if (CWnd* control = FromHandlePermanent(NotifyingControl(message, wParam, lParam))) {
        if (control != this && control->OnChildNotify(message, wParam, lParam, result)) return true;
    }
    UINT code, id;
    MapKey(message, wParam, lParam, &code, &id);
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), message, code, id);
    return entry != nullptr && entry->handle(this, wParam, lParam, result);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    UINT reflected = WM_REFLECT_BASE + message;
    UINT code, id;
    MapKey(reflected, wParam, lParam, &code, &id);
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), reflected, code, id);
    return entry != nullptr && entry->handle(this, wParam, lParam, result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProcedure_ != nullptr) return ::CallWindowProcA(superProcedure_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(currentMessage_.message, currentMessage_.wParam, currentMessage_.lParam);
}

LRESULT CALLBACK CWnd::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandlePermanent(window);
    if (self == nullptr && message == WM_NCCREATE) {
        self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self != nullptr) self->Attach(window);
    }
    if (self == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);

    MSG outer = self->currentMessage_;
    self->currentMessage_ = {window, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = self->WindowProc(message, wParam, lParam);
    self->currentMessage_ = outer;

    if (message == WM_NCDESTROY) {
        self->Detach();
        CWinApp* app = AfxGetApp();
        // The program lives as long as its main window.
        if (app->m_pMainWnd == self) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        self->PostNcDestroy();
    }
    return result;
}
