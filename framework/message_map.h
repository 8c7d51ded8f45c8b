// Message maps: a static table per class, chained to the base class's table.
// Each entry's handler is a small function that cracks the message parameters
// and calls the class's typed member (void OnTimer(UINT_PTR id), ...).
#pragma once
#include <windows.h>

class CWnd;

struct MessageMapEntry {
    UINT message;   // WM_xxx, or WM_COMMAND / WM_NOTIFY with a control id
    UINT code;      // notification code for WM_COMMAND and WM_NOTIFY entries
    UINT id;        // control id for WM_COMMAND and WM_NOTIFY entries
    // Returns false to let the message go on to the base class's map and the
    // default window procedure.
    bool (*handle)(CWnd* window, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;  // ends with an entry whose handle is null
};

// Reflected control notifications are looked up in the control's own map under
// the original message plus this offset.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const MessageMap* GetThisMessageMap();     \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() {                            \
        typedef theClass ThisClass;                                              \
        typedef baseClass TheBaseClass;                                          \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                        \
            {0, 0, 0, nullptr}};                                                 \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                             \
    }

#define MAP_ENTRY(message, code, id, body)                                        \
    {message, code, id, [](CWnd* w, WPARAM wParam, LPARAM lParam, LRESULT* result) -> bool { \
         ThisClass* self = static_cast<ThisClass*>(w);                           \
         (void)self; (void)wParam; (void)lParam; (void)result;                   \
         body;                                                                   \
         return true;                                                            \
     }},

#define MOUSE_POINT CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))

// Window messages.
#define ON_WM_CREATE()      MAP_ENTRY(WM_CREATE, 0, 0, *result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY()     MAP_ENTRY(WM_DESTROY, 0, 0, self->OnDestroy())
#define ON_WM_CLOSE()       MAP_ENTRY(WM_CLOSE, 0, 0, self->OnClose())
#define ON_WM_PAINT()       MAP_ENTRY(WM_PAINT, 0, 0, self->OnPaint())
#define ON_WM_TIMER()       MAP_ENTRY(WM_TIMER, 0, 0, self->OnTimer(static_cast<UINT_PTR>(wParam)))
#define ON_WM_ERASEBKGND()  MAP_ENTRY(WM_ERASEBKGND, 0, 0, *result = self->OnEraseBkgnd(reinterpret_cast<HDC>(wParam)))
#define ON_WM_SYSCOMMAND()  MAP_ENTRY(WM_SYSCOMMAND, 0, 0, self->OnSysCommand(static_cast<UINT>(wParam), lParam))
#define ON_WM_LBUTTONDOWN() MAP_ENTRY(WM_LBUTTONDOWN, 0, 0, self->OnLButtonDown(static_cast<UINT>(wParam), MOUSE_POINT))
#define ON_WM_MBUTTONDOWN() MAP_ENTRY(WM_MBUTTONDOWN, 0, 0, self->OnMButtonDown(static_cast<UINT>(wParam), MOUSE_POINT))
#define ON_WM_RBUTTONDOWN() MAP_ENTRY(WM_RBUTTONDOWN, 0, 0, self->OnRButtonDown(static_cast<UINT>(wParam), MOUSE_POINT))
#define ON_WM_MOUSEMOVE()   MAP_ENTRY(WM_MOUSEMOVE, 0, 0, self->OnMouseMove(static_cast<UINT>(wParam), MOUSE_POINT))
#define ON_WM_KEYDOWN()     MAP_ENTRY(WM_KEYDOWN, 0, 0, self->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SYSKEYDOWN()  MAP_ENTRY(WM_SYSKEYDOWN, 0, 0, self->OnSysKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SETCURSOR()   MAP_ENTRY(WM_SETCURSOR, 0, 0, *result = self->OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_NCACTIVATE()  MAP_ENTRY(WM_NCACTIVATE, 0, 0, *result = self->OnNcActivate(static_cast<BOOL>(wParam)))
#define ON_WM_ACTIVATE()    MAP_ENTRY(WM_ACTIVATE, 0, 0, self->OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam) != 0))
#define ON_WM_ACTIVATEAPP() MAP_ENTRY(WM_ACTIVATEAPP, 0, 0, self->OnActivateApp(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam)))

// Control notifications sent to the parent: void OnXxx().
#define ON_CONTROL(code, id, handler) MAP_ENTRY(WM_COMMAND, code, id, self->handler())
#define ON_COMMAND(id, handler)       ON_CONTROL(0, id, handler)
#define ON_BN_CLICKED(id, handler)    ON_CONTROL(BN_CLICKED, id, handler)
#define ON_EN_CHANGE(id, handler)     ON_CONTROL(EN_CHANGE, id, handler)
#define ON_EN_KILLFOCUS(id, handler)  ON_CONTROL(EN_KILLFOCUS, id, handler)
#define ON_CBN_CLOSEUP(id, handler)   ON_CONTROL(CBN_CLOSEUP, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
// void OnXxx(NMHDR* header, LRESULT* result)
#define ON_NOTIFY(code, id, handler)  MAP_ENTRY(WM_NOTIFY, static_cast<UINT>(code), id, self->handler(reinterpret_cast<NMHDR*>(lParam), result))

// Notifications a parent reflects back to the control that sent them.
#define ON_CONTROL_REFLECT(code, handler) MAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, self->handler())
#define ON_NOTIFY_REFLECT(code, handler)  MAP_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, self->handler(reinterpret_cast<NMHDR*>(lParam), result))
// HBRUSH CtlColor(HDC dc, UINT controlType); a null brush lets the parent decide.
#define ON_WM_CTLCOLOR_REFLECT()                                                  \
    {WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0, [](CWnd* w, WPARAM wParam, LPARAM, LRESULT* result) -> bool { \
         HBRUSH brush = static_cast<ThisClass*>(w)->CtlColor(reinterpret_cast<HDC>(wParam), CTLCOLOR_STATIC); \
         *result = reinterpret_cast<LRESULT>(brush);                             \
         return brush != nullptr;                                                \
     }},
