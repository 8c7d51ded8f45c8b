#include "framework/gdi.h"

#include "framework/window.h"

CDC::~CDC() {
    if (owned_ && m_hDC != nullptr) ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* other) {
    m_hDC = ::CreateCompatibleDC(other ? other->m_hDC : nullptr);
    owned_ = m_hDC != nullptr;
    return owned_;
}

CPaintDC::CPaintDC(CWnd* window) : window_(window->m_hWnd) { m_hDC = ::BeginPaint(window_, &m_ps); }

CPaintDC::~CPaintDC() {
    ::EndPaint(window_, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* window) : window_(window->m_hWnd) { m_hDC = ::GetDC(window_); }

CClientDC::~CClientDC() {
    if (m_hDC != nullptr) ::ReleaseDC(window_, m_hDC);
    m_hDC = nullptr;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
