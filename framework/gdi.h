// Device contexts and GDI objects, each owning (or borrowing) one handle.
#pragma once
#include <windows.h>

class CWnd;

class CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    // Deletes a device context it created (CreateCompatibleDC).
    virtual ~CDC();

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    void Attach(HDC dc) { m_hDC = dc; }
    HDC Detach() { HDC dc = m_hDC; m_hDC = nullptr; owned_ = false; return dc; }

    BOOL CreateCompatibleDC(CDC* other);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, width, height, source->m_hDC, sourceX, sourceY, sourceWidth,
                            sourceHeight, rop);
    }
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, source->m_hDC, sourceX, sourceY, rop);
    }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int ExtEscape(int escape, int inSize, const char* in, int outSize, char* out) {
        return ::ExtEscape(m_hDC, escape, inSize, in, outSize, out);
    }

private:
    bool owned_ = false;
};

// BeginPaint and EndPaint around the life of the object.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

private:
    HWND window_;
};

// GetDC and ReleaseDC around the life of the object.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND window_;
};

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    // Deletes the object it holds; Detach first to keep a shared one.
    virtual ~CGdiObject() { DeleteObject(); }

    operator HGDIOBJ() const { return m_hObject; }
    void Attach(HGDIOBJ object) { m_hObject = object; }
    HGDIOBJ Detach() { HGDIOBJ object = m_hObject; m_hObject = nullptr; return object; }
    BOOL DeleteObject();
    int GetObject(int size, void* buffer) const { return ::GetObjectA(m_hObject, size, buffer); }
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    int GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof *bitmap, bitmap); }
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONTA* font) {
        DeleteObject();
        m_hObject = ::CreateFontIndirectA(font);
        return m_hObject != nullptr;
    }
};

class CBrush : public CGdiObject {
public:
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color) {
        DeleteObject();
        m_hObject = ::CreateSolidBrush(color);
        return m_hObject != nullptr;
    }
};
